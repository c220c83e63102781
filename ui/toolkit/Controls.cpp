#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumra {

QLabel* MakeLabel(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    auto* label = MakeControl<QLabel>(parent, name);
    label->setText(caption.toString());
    return label;
}

QPushButton* MakeButton(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    auto* button = MakeControl<QPushButton>(parent, name);
    button->setText(caption.toString());
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QCheckBox* MakeCheck(QWidget* parent, QAnyStringView name, QAnyStringView caption) {
    auto* box = MakeControl<QCheckBox>(parent, name);
    box->setText(caption.toString());
    return box;
}

QLineEdit* MakeTextBox(QWidget* parent, QAnyStringView name, QAnyStringView text) {
    auto* box = MakeControl<QLineEdit>(parent, name);
    box->setText(text.toString());
    return box;
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
