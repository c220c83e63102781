#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumra {

namespace {

template <class Control>
Control* MakeWithText(QWidget* parent, QAnyStringView name, QAnyStringView text) {
    auto* control = MakeControl<Control>(parent, name);
    control->setText(text.toString());
    return control;
}

} // namespace

QLabel* MakeLabel(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    return MakeWithText<QLabel>(parent, name, caption);
}

QPushButton* MakeButton(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    auto* button = MakeWithText<QPushButton>(parent, name, caption);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QCheckBox* MakeCheck(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    return MakeWithText<QCheckBox>(parent, name, caption);
}

QLineEdit* MakeTextBox(QWidget* parent, QAnyStringView name, QAnyStringView text) {
    return MakeWithText<QLineEdit>(parent, name, text);
}

QFrame* MakeLine(QWidget* parent, QAnyStringView name) {
    auto* line = MakeControl<QFrame>(parent, name);
    line->setFrameShape(QFrame::NoFrame);
    return line;
}

QString IndexedName(const char* family, std::size_t index) {
    return QString::fromLatin1(family) + QLatin1Char('_') + QString::number(index);
}

} // namespace lumra
