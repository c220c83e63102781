#pragma once
// The designed geometry of a window's controls, one table per window, in design units (pixels
// at a layout scale of 1), and the placing of a text window's pane and close button.

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "layout/LayoutGeometry.h"

namespace lumra {

struct DesignControl {
    const char* name; // objectName of the control
    int left;
    int top;
    int width;
    int height;
    int fontSize; // points
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

inline int Scaled(int value, float scale) {
    return static_cast<int>(std::lround(static_cast<double>(value) * scale));
}

// Geometry and font size of one control, times the layout scale (1 when not yet set).
inline void ApplyDesign(QWidget* control, const DesignControl& d, float scale) {
    if (scale < 1.0f) {
        scale = 1.0f;
    }
    QFont font = control->font();
    font.setPointSizeF(std::max(1.0, static_cast<double>(d.fontSize) * scale));
    control->setFont(font);
    control->setGeometry(Scaled(d.left, scale), Scaled(d.top, scale), Scaled(d.width, scale),
                         Scaled(d.height, scale));
}

// Places every control of the table found in the window, and sizes the window to its client.
inline void ApplyDesignWindow(QWidget& window, const DesignWindow& design) {
    for (const DesignControl& d : design.controls) {
        if (auto* control = window.findChild<QWidget*>(QLatin1String(d.name))) {
            ApplyDesign(control, d, 1.0f);
        }
    }
    window.resize(design.clientWidth, design.clientHeight);
}

// Centres a window on its screen.
inline void CentreOnScreen(QWidget& window) {
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

// Keeps the maximised flag of a text window: 1 while maximised; a window restored from
// maximised clears it and is centred.
// A hidden window says nothing about what the reader did with it, so its flag stays.
inline void TrackMaximised(QWidget& window, std::uint8_t& flag) {
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

// The pane fills the window's width less paneMargin and reaches down to the close button,
// which is centred below it. A value that is not positive is left as it was, so a tiny
// window keeps the last usable layout.
inline void FitPaneAndButton(const QWidget& window, QWidget& pane, int paneMargin,
                             QWidget& button) {
    const TextWindowPlan plan = PlanTextWindow(window.width(), window.height(), pane.y(),
                                               button.width(), button.height(), paneMargin);
    pane.resize(plan.paneWidth > 0 ? plan.paneWidth : pane.width(),
                plan.paneHeight > 0 ? plan.paneHeight : pane.height());
    button.move(plan.buttonLeft > 0 ? plan.buttonLeft : button.x(),
                plan.buttonTop > 0 ? plan.buttonTop : button.y());
}

} // namespace lumra
