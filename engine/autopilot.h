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
//
// Its skill (engine/skill.h) can make it slower to notice a target, shorter
// sighted (beyond its depth it heads straight for the target and takes any
// way out of sight for open), prone to safe but worse steps, and, the other
// way round, a rival: moving before another snake in the beat, it takes a
// cell that other head could enter next instead of giving way, and in a
// competition it closes in a rival's head when one step does it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

#include "engine/model.h"
#include "engine/skill.h"

namespace coilrun {

class Autopilot {
 public:
  // The default skill plays as well as it can, with no eye for the others.
  Autopilot(int player, std::uint32_t seed, SkillParameters skill = {});

  // The key to press before this beat, or nullopt to let the snake go on as
  // it heads (also when it may not move at all).
  std::optional<int> ChooseKey(const GameModel& model);

 private:
  static constexpr int kCells = kFieldColumns * kFieldRows;
  using CellBeats = std::array<std::uint16_t, kCells>;
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
  // The target as last seen: a new number or place starts the reaction anew.
  struct Sighting {
    int x, y, number;
    friend bool operator==(const Sighting&, const Sighting&) = default;
  };
  // A cell next to the head of a snake that moves later in the beat, and
  // the beat from which it would be free but for that head.
  struct Yield {
    int index;
    std::uint16_t freeFrom;
  };

  // The step into the next cell in `direction` at the given beat from now
  // (1 for this beat), or nullopt when the head would crash there; for the
  // snake and the map the search in hand is for (mover_, forRival_).
  std::optional<Step> StepFrom(const GameModel& model, Cell from, Direction direction, int beat) const;
  bool PushBlocked(const GameModel& model, Cell ahead) const;
  const CellBeats& FreeFrom() const { return forRival_ ? rivalFreeFrom_ : freeFrom_; }
  bool BodyFreeAt(Cell cell, int beat) const { return beat >= FreeFrom()[Index(cell)]; }
  static int Index(Cell cell) { return cell.y * kFieldColumns + cell.x; }
  static Cell CellOf(int index) { return {index % kFieldColumns, index / kFieldColumns}; }
  // Marks, as seen by `mover`, the beat from which each field cell no longer
  // holds a body, and keeps the cells next to the other heads clear, except
  // those of `committed` (0 for none), whose step the caller works out. The
  // cells kept clear only for heads that move after `mover` are listed in
  // yields_.
  void MarkBodies(const GameModel& model, int mover, int committed, CellBeats& freeFrom);
  // Sorts the field's cells by what a head meets there.
  void MarkGround(const GameModel& model);
  // Breadth-first search from the given first steps, no deeper than the
  // skill's depth. When `seekTarget`, returns the index of the first step
  // that leads soonest to the target; otherwise counts the cells reached
  // from them, stopping at `enough` (which a search cut off by its depth
  // counts as: what lies beyond sight looks open).
  std::optional<int> Search(const GameModel& model, std::span<const Step> firstSteps, bool seekTarget, int enough,
                            int& reached);
  int RoomFrom(const GameModel& model, const Step& firstStep, int enough);
  // The first steps this snake can take, in random order; cells next to a
  // later head count as free when `takeContested`.
  int FirstSteps(const GameModel& model, bool takeContested, std::array<Step, 3>& steps);
  // The first steps a rival's head can take, on the search's map for it.
  int RivalSteps(const GameModel& model, int rival, std::array<Step, 4>& steps) const;
  // Notes whether the target has been on the field long enough to be noticed.
  void NoticeTarget(const GameModel& model);
  std::optional<int> KeyFor(const PlayerState& snake, Direction direction) const;
  // True for `inThousand` decisions in a thousand; draws only when in doubt.
  bool Chance(int inThousand);
  // In a competition: the step that closes in a rival's head, if any.
  std::optional<int> CutOff(const GameModel& model, std::span<const Step> choices, int enough);
  // A safe step other than `best`, for a mistake.
  std::optional<int> OtherSafeStep(const GameModel& model, std::span<const Step> choices, int best, int enough);

  int player_;
  std::mt19937 random_;
  SkillParameters skill_;
  Sighting seen_{-1, -1, -1};
  int beatsSinceSighting_ = 0;
  bool targetKnown_ = false;
  bool targetWalled_ = false;
  int targetIndex_ = -1;  // -1 while no target is known on the field
  // The snake and the map of bodies that the search in hand is for.
  int mover_;
  bool forRival_ = false;
  // Per field cell: the first beat at which a head may enter it without
  // meeting a body (0 when none lies there); for this snake, and for a rival.
  CellBeats freeFrom_{};
  CellBeats rivalFreeFrom_{};
  std::array<Yield, 3 * (kMaxPlayers - 1)> yields_{};
  int yieldCount_ = 0;
  enum class Ground : std::uint8_t { Open, Solid, Special };
  std::array<Ground, kCells> groundOf_{};
  // Search state, kept between decisions so that nothing is allocated.
  std::array<std::uint32_t, kCells> visitedIn_{};
  std::uint32_t search_ = 0;
  std::array<std::uint8_t, kCells> firstMove_{};
  std::array<std::uint8_t, kCells> arrivalDirection_{};
  CellBeats beatOf_{};
  std::array<std::uint16_t, kCells> queue_{};
};

}  // namespace coilrun
