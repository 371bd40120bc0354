#include "game/computer_players.h"

#include <random>

#include "engine/keys.h"
#include "game/game.h"

namespace coilrun {

void ComputerPlayers::SeatPlayers(const Seats& seats, Clock& clock) {
  seats_ = seats;
  bool anyComputer = false;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    pilots_[player].reset();
    anyComputer = anyComputer || seats.IsComputer(player);
  }
  if (!anyComputer) return;
  std::mt19937 seeds(clock.ClockSeed());
  for (int player = 1; player <= kMaxPlayers; ++player) {
    // Drawn for every seat, so that a computer's play does not depend on
    // which other seats are computers.
    const std::uint32_t seed = seeds();
    if (seats.IsComputer(player)) pilots_[player].emplace(player, seed, SkillParametersOf(seats.seat[player].skill));
  }
}

void ComputerPlayers::Steer(Game& game) {
  for (std::optional<Autopilot>& pilot : pilots_) {
    if (!pilot) continue;
    if (const std::optional<int> key = pilot->ChooseKey(model_)) game.FormKeyDown(*key, ShiftComputer);
  }
}

void ComputerPlayers::TakeOver(std::uint32_t players, Clock& clock) {
  std::mt19937 seeds(clock.ClockSeed());
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const std::uint32_t seed = seeds();
    if ((players & (1u << (player - 1))) == 0 || seats_.IsComputer(player)) continue;
    seats_.seat[player].kind = SeatKind::Computer;
    pilots_[player].emplace(player, seed, SkillParametersOf(seats_.seat[player].skill));
  }
}

bool ComputerPlayers::RefusesKey(int key, unsigned shift) const {
  if ((shift & ShiftComputer) != 0) return false;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (seats_.IsComputer(player) && SteeredDirection(player, key)) return true;
  }
  return false;
}

}  // namespace coilrun
