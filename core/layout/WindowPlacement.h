#pragma once
// Where a window opened beside the main window goes: on the screen, clear of the main window
// and of another window that is showing, where the screen has the room.

#include <optional>

#include "layout/LayoutGeometry.h"

namespace lumra {

// A window's frame, or the screen's available area, in screen pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Overlaps(const WindowRect& other) const {
        return !Empty() && !other.Empty() && left < other.Right() && other.left < Right() &&
               top < other.Bottom() && other.top < Bottom();
    }
    bool Inside(const WindowRect& area) const {
        return left >= area.left && top >= area.top && Right() <= area.Right() &&
               Bottom() <= area.Bottom();
    }
};

// The frame of a window of width x height: to the right of the main window, to its left, below
// or above it, or likewise beside `other` (empty: none), the first of these that lies on the
// screen and covers neither; then to the right or left of the main window narrowed to the room
// there, down to minWidth. Without such a place, the first that covers only `other`; without
// that, the screen's top right corner.
WindowRect PlaceBeside(const WindowRect& screen, const WindowRect& main, const WindowRect& other,
                       int width, int height, int minWidth);

} // namespace lumra
