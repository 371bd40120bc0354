// Turns the window's key events into the virtual-key codes and shift state
// that the game's keyboard handler works with.
#pragma once

#include <QKeyEvent>
#include <optional>

namespace coilrun {

struct KeyDown {
  int key;
  unsigned shift;

  friend bool operator==(const KeyDown&, const KeyDown&) = default;
};

// Nothing for keys the game has no code for, and nothing for the repeats of
// a held pause or skip-level key: those would switch the pause on and off or
// reopen the prompt for as long as the key is held. Repeats of the steering
// keys pass: a held key repeats the direction the snake already has.
std::optional<KeyDown> TranslateKeyEvent(const QKeyEvent& event);

// The game's code for the key of an event, repeated or not; nothing for keys
// the game has no code for.
std::optional<int> VirtualKeyOf(const QKeyEvent& event);

// The game's shift state: Shift, Ctrl and Alt.
unsigned ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace coilrun
