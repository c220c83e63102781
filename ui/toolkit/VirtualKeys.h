#pragma once
// Virtual-key codes and the Shift/Ctrl/Alt state, as the key handlers of the windows use them.

class QKeyEvent;

namespace lumra {

namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Add = 107;      // numeric keypad +
inline constexpr int Subtract = 109; // numeric keypad -
inline constexpr int F1 = 112;
inline constexpr int F12 = 123;
constexpr int F(int n) {
    return F1 + n - 1;
}
} // namespace vk

// Modifier bits of the shift state.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// The virtual-key code of a key event; 0 for a key without one.
int VirtualKeyOf(const QKeyEvent& event);
int ShiftStateOf(const QKeyEvent& event);

} // namespace lumra
