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

// Run after the captions are set: every button, label and frame is named by its caption, and
// every other control by the label that heads it.
inline void NameControlsFromCaptions(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString name;
        if (const auto* button = qobject_cast<QAbstractButton*>(control)) {
            name = button->text();
        } else if (const auto* label = qobject_cast<QLabel*>(control)) {
            name = label->text();
        } else if (const auto* frame = qobject_cast<QGroupBox*>(control)) {
            name = frame->title();
        } else if (control->focusPolicy() != Qt::NoFocus) {
            name = NearestLabelCaption(*control);
        }
        name.remove(QLatin1Char('&'));
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (!name.isEmpty()) {
            control->setAccessibleName(name.trimmed());
        }
    }
}

} // namespace lumra
