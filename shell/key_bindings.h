// The keys the players steer and pause with, as physical keys: each
// player's Left, Up, Right and Down, and the pause key. The game itself
// steers by its own key codes, so a bound key is handed on as the code of the
// player's direction in the game's own key map.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/model.h"

namespace coilrun {

// A binding's place: slot 4 (p - 1) + d for player p's direction d (Left,
// Up, Right, Down, the order of the page and the file), then the pause key.
inline constexpr int kDirectionsPerPlayer = 4;
inline constexpr int kSteeringSlots = kMaxPlayers * kDirectionsPerPlayer;
inline constexpr int kPauseSlot = kSteeringSlots;
inline constexpr int kKeySlots = kSteeringSlots + 1;
inline constexpr Direction kSlotDirections[kDirectionsPerPlayer] = {Direction::Left, Direction::Up, Direction::Right,
                                                                    Direction::Down};

inline constexpr int SteeringSlot(int player, int directionIndex) {
  return (player - 1) * kDirectionsPerPlayer + directionIndex;
}
// Player 1..4 of a steering slot, 0 for the pause key.
inline constexpr int PlayerOfSlot(int slot) { return slot < kSteeringSlots ? slot / kDirectionsPerPlayer + 1 : 0; }
inline constexpr Direction DirectionOfSlot(int slot) { return kSlotDirections[slot % kDirectionsPerPlayer]; }

// "Left", "Up", "Right" or "Down": a steering slot's direction by name, as
// the page, the file and the messages spell it.
QLatin1String DirectionNameOfSlot(int slot);
// "Player 2's Up", "the pause key".
QString SlotName(int slot);

// The code the game knows the slot's key by: the player's key for the
// direction in the game's own key map, or P.
int GameKeyOfSlot(int slot);

struct KeyBindings {
  // Physical keys; 0 where a slot has no key.
  std::array<int, kKeySlots> keys{};

  // The game's own keys, where a US keyboard has them.
  static KeyBindings Defaults();

  // The slot the physical key is bound to.
  std::optional<int> SlotOf(int physicalKey) const;

  friend bool operator==(const KeyBindings&, const KeyBindings&) = default;
};

}  // namespace coilrun
