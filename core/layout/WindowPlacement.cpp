#include "layout/WindowPlacement.h"

#include <algorithm>
#include <vector>

namespace lumra {

namespace {

constexpr int kGap = 8;

int Clamp(int value, int low, int high) {
    return high < low ? low : std::clamp(value, low, high);
}

// The four places beside an anchor, each aligned with it and kept on the screen along the
// other axis.
void AddSides(std::vector<WindowRect>& out, const WindowRect& screen, const WindowRect& anchor,
              int width, int height) {
    const int top = Clamp(anchor.top, screen.top, screen.Bottom() - height);
    const int left = Clamp(anchor.left, screen.left, screen.Right() - width);
    out.push_back({anchor.Right() + kGap, top, width, height});
    out.push_back({anchor.left - kGap - width, top, width, height});
    out.push_back({left, anchor.Bottom() + kGap, width, height});
    out.push_back({left, anchor.top - kGap - height, width, height});
}

} // namespace

WindowRect PlaceBeside(const WindowRect& screen, const WindowRect& main, const WindowRect& other,
                       int width, int height, int minWidth) {
    std::vector<WindowRect> places;
    AddSides(places, screen, main, width, height);
    if (!other.Empty()) {
        AddSides(places, screen, other, width, height);
    }
    const int top = Clamp(main.top, screen.top, screen.Bottom() - height);
    const int right = std::min(width, screen.Right() - main.Right() - kGap);
    if (right >= minWidth && right > 0) {
        places.push_back({main.Right() + kGap, top, right, height});
    }
    const int left = std::min(width, main.left - kGap - screen.left);
    if (left >= minWidth && left > 0) {
        places.push_back({main.left - kGap - left, top, left, height});
    }
    for (const bool clearOfOther : {true, false}) {
        for (const WindowRect& place : places) {
            if (place.Inside(screen) && !place.Overlaps(main) &&
                (!clearOfOther || !place.Overlaps(other))) {
                return place;
            }
        }
    }
    return {std::max(screen.left, screen.Right() - width), screen.top, width, height};
}

} // namespace lumra
