#pragma once
// The proportional layout of the windows: the design of every window is recorded once at
// start-up; the main window's size gives one scale that its controls and the fixed dialogs
// follow.

#include "layout/LayoutGeometry.h"

class QWidget;

namespace lumra {

class Application;
struct DesignWindow;

// A control with this property set to true takes its size from its content; its design keeps
// only the short record.
inline constexpr const char* kAutoSizeProperty = "lumraAutoSize";

// The design of a window as its constructor placed it: the client size and each named control
// (the window's own children and the children of its group boxes).
DesignGeometry RecordDesignGeometry(const QWidget& window);
DesignGeometry RecordDesignGeometry(const DesignWindow& table);
// Records the designed geometry of the main window and of every window loaded so far; a
// dialog loaded later is recorded at its first layout.
void RecordAllDesignGeometry(Application& app);

// Font size, place and size of the control: the record's values times the scale.
void ApplyGeometry(QWidget& control, const GeometryRecord& record, float scale, Offset offset = {});
// Font size and place only; the size follows from the content.
void ApplyPosition(QWidget& control, const GeometryRecord& record, float scale);

// The main window's resize event.
void LayOutMainWindow(Application& app);
// The footnote, appendix and verse-list windows, as the main window's activation lays them out.
void LayOutTextWindows(Application& app);
// A fixed dialog at its designed client size times the layout scale, while the main window
// is visible.
void LayOutDialog(Application& app, QWidget& dialog);

// Moves a window so that it stands in the middle of its screen.
void CentreWindowOnScreen(QWidget& window);

} // namespace lumra
