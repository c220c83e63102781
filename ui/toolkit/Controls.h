#pragma once
// The controls of a window. A window creates them in its tab order (a control made later comes
// later when Tab is pressed). name is the control's objectName; a caption is what the control
// shows until the captions are refreshed (the number of its interface text).

#include <QAnyStringView>
#include <QString>
#include <cstddef>
#include <utility>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lumra {

// A control of any class; args come before the parent, as the class's constructor takes them.
template <class Control, class... Args>
Control* MakeControl(QWidget* parent, QAnyStringView name, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name.toString());
    return control;
}

QLabel* MakeLabel(QWidget* parent, QAnyStringView name, QAnyStringView caption = {});
// Tab reaches the button; a click does not take the focus from where it is.
QPushButton* MakeButton(QWidget* parent, QAnyStringView name, QAnyStringView caption);
QCheckBox* MakeCheck(QWidget* parent, QAnyStringView name, QAnyStringView caption);
QLineEdit* MakeTextBox(QWidget* parent, QAnyStringView name, QAnyStringView text = {});
// A line without a frame, drawn by its background.
QFrame* MakeLine(QWidget* parent, QAnyStringView name);

// The name of one member of a control array: "Check1_0", "Check1_1", ...
QString IndexedName(const char* family, std::size_t index);

} // namespace lumra
