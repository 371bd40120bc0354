#include "shell/key_translation.h"

#include "engine/keys.h"

namespace coilrun {

namespace {

constexpr int kVkDigit0 = 0x30;
constexpr int kVkNumpad0 = 0x60;
constexpr int kVkF1 = 0x70;
constexpr int kLastFunctionKey = 24;

}  // namespace

std::optional<int> VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  // The numeric keypad sends digits like the top row does; only the keypad
  // flag tells player 4's keys from the digits.
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int base = event.modifiers().testFlag(Qt::KeypadModifier) ? kVkNumpad0 : kVkDigit0;
    return base + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return VkA + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kLastFunctionKey) return kVkF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Left: return VkLeft;
    case Qt::Key_Up: return VkUp;
    case Qt::Key_Right: return VkRight;
    case Qt::Key_Down: return VkDown;
    case Qt::Key_Pause: return VkPause;
    default: return std::nullopt;
  }
}

unsigned ShiftStateOf(Qt::KeyboardModifiers modifiers) {
  unsigned shift = ShiftNone;
  if (modifiers.testFlag(Qt::ShiftModifier)) shift |= ShiftShift;
  if (modifiers.testFlag(Qt::ControlModifier)) shift |= ShiftCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) shift |= ShiftAlt;
  return shift;
}

namespace {

bool IgnoredWhenRepeated(int virtualKey) { return virtualKey == VkP || virtualKey == VkPause || virtualKey == VkF12; }

}  // namespace

std::optional<KeyDown> TranslateKeyEvent(const QKeyEvent& event) {
  const std::optional<int> key = VirtualKeyOf(event);
  if (!key || (event.isAutoRepeat() && IgnoredWhenRepeated(*key))) return std::nullopt;
  return KeyDown{*key, ShiftStateOf(event.modifiers())};
}

}  // namespace coilrun
