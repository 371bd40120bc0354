// What the keyboard layout in use prints on physical keys. Read afresh each
// time, since the player can switch layouts while the game runs.
#pragma once

#include <QString>
#include <array>

#include "shell/physical_keys.h"

namespace coilrun {

class KeyLabels {
 public:
  // The layout in use now: from the X server when the window runs on one;
  // elsewhere the labels of a US keyboard.
  static KeyLabels Current();
  // The labels of a US keyboard.
  static KeyLabels UsKeyboard();

  // "A", "Ф", "Left", "Num 4"; "Key 201" for a key the layout gives nothing;
  // "none" for no key.
  QString Label(int code) const;

 private:
  std::array<QString, kLastPhysicalKey + 1> labels_{};
};

}  // namespace coilrun
