// Turns the window's key presses into the keys the game steers and pauses
// by, through the players' bindings of physical keys.
#pragma once

#include <QKeyEvent>
#include <optional>
#include <set>

#include "shell/key_bindings.h"
#include "shell/key_translation.h"

namespace coilrun {

class KeyRouter {
 public:
  const KeyBindings& bindings() const { return bindings_; }
  void SetBindings(const KeyBindings& bindings) { bindings_ = bindings; }

  // A bound key gives its slot's key: the player's key for the direction or
  // P, also when it repeats, except the pause key. Of the keys no slot
  // holds, only Pause and F12 (for Ctrl+F12) still reach the game; a key
  // that is the game's own elsewhere (A, say, once player 2 chose other
  // keys) must not steer.
  std::optional<KeyDown> KeyPressed(const QKeyEvent& event);
  void KeyReleased(const QKeyEvent& event);
  // The window lost the focus: the keys held now count as released, so
  // their repeats do nothing until they are pressed again.
  void ForgetHeldKeys();

 private:
  KeyBindings bindings_ = KeyBindings::Defaults();
  std::set<int> held_;
  std::set<int> forgotten_;
};

}  // namespace coilrun
