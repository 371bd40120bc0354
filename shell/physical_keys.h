// Physical keys, named by the native scan code the window system reports for
// them: the XKB key code (the kernel's code + 8) under X11 and Wayland. A key
// keeps its code whatever the layout prints on it.
//
// The table below names the keys of a US keyboard: the virtual key each gives
// on a US layout, and a label for when the window system cannot say what the
// current layout prints on a key.
#pragma once

#include <QKeyEvent>
#include <optional>

namespace coilrun {

// Codes outside this range are no key; 0 stands for "no key" in a binding.
inline constexpr int kFirstPhysicalKey = 8;
inline constexpr int kLastPhysicalKey = 255;

namespace physical {
inline constexpr int kEscape = 9;
inline constexpr int kBackspace = 22;
inline constexpr int kLeftCtrl = 37;
inline constexpr int kLeftAlt = 64;
inline constexpr int kF2 = 68;
inline constexpr int kF12 = 96;
inline constexpr int kRightCtrl = 105;
inline constexpr int kRightAlt = 108;
inline constexpr int kPause = 127;
}  // namespace physical

bool IsPhysicalKey(int code);

// The physical key that gives `virtualKey` on a US layout; nullopt for none.
std::optional<int> UsPhysicalKeyOf(int virtualKey);

// A label for the key as a US keyboard prints it; nullopt when the table
// does not know the code.
std::optional<QString> UsKeyLabel(int code);

// True for the keys of the numeric keypad's digits.
bool IsKeypadDigitKey(int code);

// The physical key a key event stands for. The scan code decides, with two
// exceptions: an event without one (made by a program, or on a platform that
// reports none) is placed where a US keyboard has its key; and a keypad key
// with NumLock off stands for the cursor key it then acts as, so that the
// keypad is the keypad only with NumLock on, as on any keyboard.
std::optional<int> PhysicalKeyOf(const QKeyEvent& event);

}  // namespace coilrun
