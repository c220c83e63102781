#include "toolkit/WindowLayout.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "toolkit/DesignTable.h"
#include "toolkit/Form.h"

namespace lumra {

namespace {

std::int16_t Clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

GeometryRecord RecordOf(const QWidget& control) {
    GeometryRecord r;
    const QRect g = control.geometry();
    r.left = Clamp16(g.x());
    r.top = Clamp16(g.y());
    r.width = Clamp16(g.width());
    r.height = Clamp16(g.height());
    r.fontSize = Clamp16(std::max(0, control.font().pointSize()));
    // A label that takes the size of its caption keeps only its place.
    r.hasSize = !control.property(kAutoSizeProperty).toBool();
    return r;
}

GeometryRecord RecordOf(const DesignControl& c) {
    return {Clamp16(c.left),   Clamp16(c.top),      Clamp16(c.width),
            Clamp16(c.height), Clamp16(c.fontSize), true};
}

void SetScaledFont(QWidget& control, double fontSize) {
    if (fontSize > 0) {
        QFont font = control.font();
        font.setPointSizeF(fontSize);
        control.setFont(font);
    }
}

} // namespace

DesignGeometry RecordDesignGeometry(const Form& window) {
    DesignGeometry design;
    design.clientWidth = Clamp16(window.width());
    design.clientHeight = Clamp16(window.height());
    for (const QWidget* control : window.DesignedControls()) {
        design.controls.emplace_back(control->objectName().toStdString(), RecordOf(*control));
    }
    return design;
}

DesignGeometry RecordDesignGeometry(const DesignWindow& table) {
    DesignGeometry design;
    design.clientWidth = Clamp16(table.clientWidth);
    design.clientHeight = Clamp16(table.clientHeight);
    for (const DesignControl& c : table.controls) {
        design.controls.emplace_back(c.name, RecordOf(c));
    }
    return design;
}

void ApplyGeometry(QWidget& control, const GeometryRecord& record, float scale, Offset offset) {
    const ScaledGeometry g = ScaleRecord(record, AppliedScale(scale), offset);
    SetScaledFont(control, g.fontSize);
    control.setGeometry(g.left, g.top, std::max(0, g.width), std::max(0, g.height));
}

void ApplyPosition(QWidget& control, const GeometryRecord& record, float scale) {
    const ScaledGeometry g = ScaleRecord(record, AppliedScale(scale));
    SetScaledFont(control, g.fontSize);
    control.move(g.left, g.top);
}

void ApplyDesign(QWidget& control, const DesignControl& design, float scale) {
    ApplyGeometry(control, RecordOf(design), scale);
}

void ApplyDesignWindow(Form& window, const DesignWindow& design) {
    for (QWidget* control : window.DesignedControls()) {
        if (const DesignControl* d = FindDesign(design, control->objectName())) {
            ApplyDesign(*control, *d, 1.0f);
        }
    }
    window.resize(design.clientWidth, design.clientHeight);
}

void ApplyDesignGeometry(Form& window, const DesignGeometry& design, float scale, Offset offset) {
    for (QWidget* control : window.DesignedControls()) {
        const GeometryRecord* record = design.FindControl(control->objectName().toStdString());
        if (record == nullptr) {
            continue;
        }
        if (record->hasSize) {
            ApplyGeometry(*control, *record, scale, offset);
        } else {
            ApplyPosition(*control, *record, scale);
        }
    }
}

void LayOutDialog(Form& dialog, LayoutState& layout, float& layoutScale, bool mainWindowVisible) {
    const std::string name = dialog.objectName().toStdString();
    if (layout.Find(name) == nullptr) {
        layout.designs[name] = RecordDesignGeometry(dialog); // never laid out so far
    }
    if (!mainWindowVisible) {
        return;
    }
    layoutScale = AppliedScale(layoutScale);
    const DesignGeometry& design = *layout.Find(name);
    dialog.setFixedSize(ScaledValue(design.clientWidth, layoutScale),
                        ScaledValue(design.clientHeight, layoutScale));
    ApplyDesignGeometry(dialog, design, layoutScale);
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QRect frame = window.frameGeometry();
    const Offset at = CentreOnScreen(area.width(), area.height(), frame.width(), frame.height());
    window.move(area.x() + at.x, area.y() + at.y);
}

void TrackMaximised(QWidget& window, std::uint8_t& flag) {
    if (!window.isVisible()) {
        return;
    }
    const WindowShow show = window.isMinimized()   ? WindowShow::Minimised
                            : window.isMaximized() ? WindowShow::Maximised
                                                   : WindowShow::Normal;
    if (StepMaximisedFlag(show, flag)) {
        CentreOnScreen(window);
    }
}

void FitPaneAndButton(const QWidget& window, QWidget& pane, int paneMargin, QWidget& button) {
    const TextWindowPlan plan = PlanTextWindow(window.width(), window.height(), pane.y(),
                                               button.width(), button.height(), paneMargin);
    pane.resize(plan.paneWidth > 0 ? plan.paneWidth : pane.width(),
                plan.paneHeight > 0 ? plan.paneHeight : pane.height());
    button.move(plan.buttonLeft > 0 ? plan.buttonLeft : button.x(),
                plan.buttonTop > 0 ? plan.buttonTop : button.y());
}

} // namespace lumra
