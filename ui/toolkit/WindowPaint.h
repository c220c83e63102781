#pragma once
// The fixed colours of the windows: the window colour with white text, field grey boxes.

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "settings/Settings.h"

namespace lumra {

inline QColor ToQColor(const WindowColour& c) {
    return QColor(c.red, c.green, c.blue);
}

// The window's own background.
inline void PaintWindow(QWidget& window, const QColor& colour) {
    window.setAutoFillBackground(true);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, colour);
    window.setPalette(p);
}

// A label or check box on the window colour: that background, white text.
inline void PaintOnWindow(QWidget& control, const QColor& colour) {
    control.setStyleSheet(
        QStringLiteral("background-color: %1; color: #FFFFFF;").arg(colour.name(QColor::HexRgb)));
}

// A text or combo box: field grey, black text.
inline void PaintField(QWidget& control, const char* widgetClass) {
    control.setStyleSheet(QStringLiteral("%1 { background-color: #D0D0D0; color: #000000; }")
                              .arg(QLatin1String(widgetClass)));
}

} // namespace lumra
