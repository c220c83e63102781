#pragma once
// The designed geometry of a window's controls, one constant table per window, in design units
// (pixels at a layout scale of 1). The layout records a table as the window's DesignGeometry
// (RecordDesignGeometry) and places controls by it.

#include <QString>
#include <span>

class QWidget;

namespace lumra {
class Form;
}

namespace lumra {

struct DesignControl {
    const char* name; // objectName of the control
    int left;
    int top;
    int width;
    int height;
    int fontSize; // points; 0: the control keeps its font
};

struct DesignWindow {
    int clientWidth;
    int clientHeight;
    std::span<const DesignControl> controls;
};

inline const DesignControl* FindDesign(const DesignWindow& design, const QString& name) {
    for (const DesignControl& c : design.controls) {
        if (name == QLatin1String(c.name)) {
            return &c;
        }
    }
    return nullptr;
}

// Geometry and font size of one control, times the layout scale (never below 1).
void ApplyDesign(QWidget& control, const DesignControl& design, float scale);

// Places every designed control of the window that the table names, and sizes the window
// to its client.
void ApplyDesignWindow(Form& window, const DesignWindow& design);

} // namespace lumra
