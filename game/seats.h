// Who plays each of the four snakes: a person at the keyboard or the
// computer, at a skill of its own.
#pragma once

#include <array>
#include <cstdint>

#include "engine/model.h"
#include "engine/skill.h"

namespace coilrun {

enum class SeatKind : std::uint8_t { Human, Computer };

struct Seat {
  SeatKind kind = SeatKind::Human;
  Skill skill = Skill::Skilled;

  friend bool operator==(const Seat&, const Seat&) = default;
};

// Players 1..4; entry 0 is no player's.
struct Seats {
  std::array<Seat, kMaxPlayers + 1> seat{};

  bool IsComputer(int player) const {
    return player >= 1 && player <= kMaxPlayers && seat[player].kind == SeatKind::Computer;
  }
  friend bool operator==(const Seats&, const Seats&) = default;
};

}  // namespace coilrun
