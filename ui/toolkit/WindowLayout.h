#pragma once
// The proportional layout of a window: its design (client size and every named control) is
// recorded once; a layout places the controls at that design times a scale.

#include "layout/LayoutGeometry.h"

#include <cstdint>

class QWidget;

namespace lumra {

class Form;
struct DesignWindow;

// A control with this property set to true takes its size from its content; its design keeps
// only the short record.
inline constexpr const char* kAutoSizeProperty = "lumraAutoSize";

// The design of a window as its constructor placed it, or as its table gives it.
DesignGeometry RecordDesignGeometry(const Form& window);
DesignGeometry RecordDesignGeometry(const DesignWindow& table);

// Font size, place and size of the control: the record's values times the scale.
void ApplyGeometry(QWidget& control, const GeometryRecord& record, float scale, Offset offset = {});
// Font size and place only; the size follows from the content.
void ApplyPosition(QWidget& control, const GeometryRecord& record, float scale);
// Every designed control of the window that the design names, at the scale. A record without
// a size only moves its control.
void ApplyDesignGeometry(Form& window, const DesignGeometry& design, float scale,
                         Offset offset = {});

// A fixed dialog at its designed client size times the layout scale, while the main window
// is visible; its design is recorded at its first layout.
void LayOutDialog(Form& dialog, LayoutState& layout, float& layoutScale, bool mainWindowVisible);

// Moves a window so that it stands in the middle of its screen.
void CentreOnScreen(QWidget& window);

// Keeps the maximised flag of a text window: 1 while maximised; a window restored from
// maximised clears it and is centred.
// A hidden window says nothing about what the reader did with it, so its flag stays.
void TrackMaximised(QWidget& window, std::uint8_t& flag);

// The pane fills the window's width less paneMargin and reaches down to the close button,
// which is centred below it. A value that is not positive is left as it was, so a tiny
// window keeps the last usable layout.
void FitPaneAndButton(const QWidget& window, QWidget& pane, int paneMargin, QWidget& button);

} // namespace lumra
