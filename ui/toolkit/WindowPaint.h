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

// A check or option box on the window colour: its caption white on the window, which shows
// through, while its indicator keeps a white base, a black mark and a black border (the style
// draws the border from the box's own window role, the base from its base role), so that it
// stands out on every window colour.
inline void PaintIndicatorOnWindow(QWidget& box) {
    box.setStyleSheet(QString());
    box.setAutoFillBackground(false);
    QPalette p = box.palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xA0, 0xA0, 0xA0));
    box.setPalette(p);
}

// A text or combo box: field grey, black text.
inline void PaintField(QWidget& control, const char* widgetClass) {
    control.setStyleSheet(QStringLiteral("%1 { background-color: #D0D0D0; color: #000000; }")
                              .arg(QLatin1String(widgetClass)));
}

} // namespace lumra
