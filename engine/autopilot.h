// A computer player for one snake. It reads the model alone and presses the
// player's own steering keys through the game's key handler, exactly as a
// person at the keyboard would, so whatever it plays goes through the real
// steering.
//
// Each beat it looks for the shortest safe way to the target, by a
// breadth-first search over the field that knows what doors, in-out and
// rebound bricks do to a head, and when each body cell will have been left
// behind. Cells that another head may reach next count as taken. When the
// target cannot be reached, or the way to it ends in a pocket too small for
// the snake, it takes the move that keeps the most room. Ties are broken by a
// generator of its own, so a game is the same for the same seed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

#include "engine/model.h"

namespace coilrun {

class Autopilot {
 public:
  Autopilot(int player, std::uint32_t seed);

  // The key to press before this beat, or nullopt to let the snake go on as
  // it heads (also when it may not move at all).
  std::optional<int> ChooseKey(const GameModel& model);

 private:
  static constexpr int kCells = kFieldColumns * kFieldRows;
  struct Cell {
    int x, y;
    friend bool operator==(const Cell&, const Cell&) = default;
  };
  // One step of the head as the rules make it, from a cell in a direction.
  struct Step {
    Cell landing;  // where the head stands after the step
    Direction direction;
    bool reachesTarget;  // eats the target, or opens the wall that holds it
  };

  // The step into the next cell in `direction` at the given beat from now
  // (1 for this beat), or nullopt when the head would crash there.
  std::optional<Step> StepFrom(const GameModel& model, Cell from, Direction direction, int beat) const;
  bool PushBlocked(const GameModel& model, Cell ahead) const;
  bool BodyFreeAt(Cell cell, int beat) const { return beat >= freeFrom_[Index(cell)]; }
  static int Index(Cell cell) { return cell.y * kFieldColumns + cell.x; }
  // Marks the beat from which each field cell no longer holds a body.
  void MarkBodies(const GameModel& model);
  // Sorts the field's cells by what a head meets there.
  void MarkGround(const GameModel& model);
  // Breadth-first search from the given first steps. When `seekTarget`,
  // returns the index of the first step that leads soonest to the target;
  // otherwise counts the cells reached from them, stopping at `enough`.
  std::optional<int> Search(const GameModel& model, std::span<const Step> firstSteps, bool seekTarget, int enough,
                            int& reached);
  int RoomFrom(const GameModel& model, const Step& firstStep, int enough);
  std::optional<int> KeyFor(const PlayerState& snake, Direction direction) const;

  int player_;
  std::mt19937 random_;
  bool targetWalled_ = false;
  int targetIndex_ = -1;  // -1 while no target stands on the field
  // Per field cell: the first beat at which a head may enter it without
  // meeting a body (0 when none lies there).
  std::array<std::uint16_t, kCells> freeFrom_{};
  enum class Ground : std::uint8_t { Open, Solid, Special };
  std::array<Ground, kCells> groundOf_{};
  // Search state, kept between decisions so that nothing is allocated.
  std::array<std::uint32_t, kCells> visitedIn_{};
  std::uint32_t search_ = 0;
  std::array<std::uint8_t, kCells> firstMove_{};
  std::array<std::uint8_t, kCells> arrivalDirection_{};
  std::array<std::uint16_t, kCells> beatOf_{};
  std::array<std::uint16_t, kCells> queue_{};
};

}  // namespace coilrun
