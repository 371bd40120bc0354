// The inputs of a game besides its start: what reaches the game between two
// beats and changes what the rules do next. Replays keep them with the beat
// they came before; network frames carry them from machine to machine.
#pragma once

#include <cstdint>

namespace coilrun {

enum class InputKind : std::uint8_t {
  Key = 1,          // value: the virtual-key code of a steering key, P or Pause
  Pause,            // the Pause command of the Game menu
  Stop,             // the Stop command
  HelpScreen,       // value: the information screen a Help item shows
  Wrap,             // value: 0 or 1
  Long,             // value: 0 or 1
  PlayerColor,      // subject: the player 1..4; value: the colour
  BrickColor,       // value: the colour
  MixBricksColors,  // value: 0 or 1
  Speed,            // value: 1..10; paces the beats, the rules do not read it
  Retire,           // value: a mask of players 1..4 (bit n-1) whose snakes leave the game
  TakeOver,         // value: a mask of players 1..4 whose snakes the computer plays from then on
};
constexpr std::uint8_t kLastInputKind = static_cast<std::uint8_t>(InputKind::TakeOver);

struct GameInput {
  InputKind kind = InputKind::Key;
  std::uint8_t subject = 0;
  std::uint32_t value = 0;

  friend bool operator==(const GameInput&, const GameInput&) = default;
};

// True for the values an input of its kind can have; a decoder refuses the others.
bool InputInRange(const GameInput& input);

}  // namespace coilrun
