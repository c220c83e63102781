#pragma once
// Work that waits until a window is on the screen: it runs once, queued behind the window's
// first paint, so that the paint is not held up by it.

#include <functional>

class QWidget;

namespace lumra {

// The action runs once, from the event loop, after the window's first paint; not at all when
// the window is destroyed first.
void AfterFirstPaint(QWidget& window, std::function<void()> action);

} // namespace lumra
