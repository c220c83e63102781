#pragma once
// Accessible names for a window's controls, taken from the captions they show, so that a
// screen reader announces the interface texts of the current language.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <limits>

namespace lumra {

// The caption of the label nearest above or to the left of a control without one.
inline QString NearestLabelCaption(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) {
        return {};
    }
    const QRect box = control.geometry();
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry();
        const bool left = l.right() <= box.left() + 4 && l.bottom() >= box.top() - 4 &&
                          l.top() <= box.bottom() + 4;
        const bool above = l.bottom() <= box.top() + 4 && l.right() >= box.left() - 4 &&
                           l.left() <= box.right() + 4;
        if (label->text().isEmpty() || !(left || above)) {
            continue;
        }
        const int distance = left ? box.left() - l.right() : box.top() - l.bottom();
        if (distance >= 0 && distance < 48 && distance < bestDistance) {
            bestDistance = distance;
            best = label->text();
        }
    }
    return best;
}

// Run after the captions are set. Buttons, labels and frames carry no name of their own, so
// that a screen reader hears the text they show at that moment; every other control is named
// by the label that heads it.
inline void NameControlsFromCaptions(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) != nullptr ||
            qobject_cast<QLabel*>(control) != nullptr ||
            qobject_cast<QGroupBox*>(control) != nullptr) {
            control->setAccessibleName(QString());
            continue;
        }
        if (control->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        QString name = NearestLabelCaption(*control);
        name.remove(QLatin1Char('&'));
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!name.isEmpty()) {
            control->setAccessibleName(name.trimmed());
        }
    }
}

} // namespace lumra
