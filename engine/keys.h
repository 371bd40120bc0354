// Virtual-key codes of the keys the game listens to, and the shift state.
#pragma once

#include <optional>

#include "engine/model.h"

namespace coilrun {

enum VirtualKey : int {
  VkPause = 0x13,
  VkLeft = 0x25,
  VkUp = 0x26,
  VkRight = 0x27,
  VkDown = 0x28,
  VkA = 0x41,
  VkD = 0x44,
  VkI = 0x49,
  VkJ = 0x4A,
  VkK = 0x4B,
  VkL = 0x4C,
  VkP = 0x50,
  VkS = 0x53,
  VkW = 0x57,
  VkNumpad4 = 0x64,
  VkNumpad5 = 0x65,
  VkNumpad6 = 0x66,
  VkNumpad8 = 0x68,
  VkF12 = 0x7B,
};

// Bits of the shift state that comes with a key.
enum ShiftKey : unsigned {
  ShiftNone = 0,
  ShiftShift = 1,
  ShiftCtrl = 2,
  ShiftAlt = 4,
  // Set only by a computer player on the keys it presses for its own seat.
  // No keyboard gives it, so a person's key for that seat is told apart.
  ShiftComputer = 8,
};

struct SteeringKeys {
  int left, up, right, down;
};

// The keys of players 1..4; entry 0 is no player's.
constexpr SteeringKeys kSteeringKeys[kMaxPlayers + 1] = {
    {0, 0, 0, 0},
    {VkLeft, VkUp, VkRight, VkDown},
    {VkA, VkW, VkD, VkS},
    {VkJ, VkI, VkL, VkK},
    {VkNumpad4, VkNumpad8, VkNumpad6, VkNumpad5},
};

// The heading one of player 1..4's keys asks for; nullopt for other keys.
constexpr std::optional<Direction> SteeredDirection(int player, int key) {
  const SteeringKeys& keys = kSteeringKeys[player];
  if (key == keys.left) return Direction::Left;
  if (key == keys.up) return Direction::Up;
  if (key == keys.right) return Direction::Right;
  if (key == keys.down) return Direction::Down;
  return std::nullopt;
}

// The key with which player 1..4 asks for a heading.
constexpr int SteeringKeyFor(int player, Direction direction) {
  const SteeringKeys& keys = kSteeringKeys[player];
  switch (direction) {
    case Direction::Left: return keys.left;
    case Direction::Up: return keys.up;
    case Direction::Right: return keys.right;
    case Direction::Down: break;
  }
  return keys.down;
}

}  // namespace coilrun
