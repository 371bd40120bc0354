// The computer players of the game in play. Each beat, before the snakes
// step, every computer seat chooses its key and presses it through the
// game's key handler, as a person at the keyboard would; meanwhile a
// person's steering keys for a computer's seat are refused.
#pragma once

#include <array>
#include <optional>

#include "engine/autopilot.h"
#include "engine/clock.h"
#include "engine/model.h"
#include "game/seats.h"

namespace coilrun {

class Game;

class ComputerPlayers {
 public:
  explicit ComputerPlayers(const GameModel& model) : model_(model) {}
  ComputerPlayers(const ComputerPlayers&) = delete;
  ComputerPlayers& operator=(const ComputerPlayers&) = delete;

  // A new game is played from these seats. Its computers draw their seeds
  // from one clock seed, so that a game is the same for the same seed; a
  // game of people alone asks for none.
  void SeatPlayers(const Seats& seats, Clock& clock);
  // The seats of the game in play, or of the last one.
  const Seats& seats() const { return seats_; }

  // Before a beat: each computer in play presses the key it chose. They
  // act only on a board in play, never on a paused or ended game.
  void Steer(Game& game);

  // From now on the computer plays these players' snakes (bit n-1 for
  // player n) at a seat's usual skill, their seeds drawn from one clock seed.
  void TakeOver(std::uint32_t players, Clock& clock);

  // True for a steering key of a computer's seat in the game that did not
  // come from that computer.
  bool RefusesKey(int key, unsigned shift) const;

 private:
  const GameModel& model_;
  Seats seats_;
  std::array<std::optional<Autopilot>, kMaxPlayers + 1> pilots_;
};

}  // namespace coilrun
