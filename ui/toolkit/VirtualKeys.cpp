#include "toolkit/VirtualKeys.h"

#include <QKeyEvent>

namespace lumra {

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (keypad) {
        switch (key) {
        case Qt::Key_Plus:
            return vk::Add;
        case Qt::Key_Minus:
            return vk::Subtract;
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Slash:
            return 111;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        default:
            if (key >= Qt::Key_0 && key <= Qt::Key_9) {
                return 96 + (key - Qt::Key_0);
            }
            break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return 'A' + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return '0' + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return vk::F1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_PageUp:
        return vk::PageUp;
    case Qt::Key_PageDown:
        return vk::PageDown;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    default:
        return 0;
    }
}

int ShiftStateOf(const QKeyEvent& event) {
    const auto m = event.modifiers();
    int state = 0;
    if (m.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab) {
        state |= kShiftMask;
    }
    if (m.testFlag(Qt::ControlModifier)) {
        state |= kCtrlMask;
    }
    if (m.testFlag(Qt::AltModifier)) {
        state |= kAltMask;
    }
    return state;
}

} // namespace lumra
