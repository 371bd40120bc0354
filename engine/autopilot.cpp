#include "engine/autopilot.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "engine/directions.h"
#include "engine/keys.h"

namespace coilrun {

namespace {

constexpr std::uint16_t kNoBody = 0;
// Cells that other heads may enter on their next step are kept clear
// through the beat after, when such a head would still stand there.
constexpr int kRivalHeadReach = 3;
// How much room beyond its own length a snake wants ahead of it before it
// follows a way to the target; a smaller pocket is a trap.
constexpr int kSpareRoom = 30;
// One step closes in only a head this near.
constexpr int kCutOffReach = 4;

// The field cell one step away in each of kDirections' headings, or -1 off
// the field; one table for a wrapping field and one for a closed one.
using NeighbourTable = std::array<std::array<std::int16_t, 4>, kFieldColumns * kFieldRows>;

constexpr NeighbourTable MakeNeighbours(bool wrap) {
  NeighbourTable table{};
  for (int y = 0; y < kFieldRows; ++y) {
    for (int x = 0; x < kFieldColumns; ++x) {
      for (int d = 0; d < 4; ++d) {
        const Offset step = StepOf(kDirections[d]);
        int nextX = x + step.dx;
        int nextY = y + step.dy;
        if (wrap) {
          nextX = WrapColumn(nextX);
          nextY = WrapRow(nextY);
        }
        table[y * kFieldColumns + x][d] =
            static_cast<std::int16_t>(OnField(nextX, nextY) ? nextY * kFieldColumns + nextX : -1);
      }
    }
  }
  return table;
}

constexpr NeighbourTable kClosedNeighbours = MakeNeighbours(false);
constexpr NeighbourTable kWrappedNeighbours = MakeNeighbours(true);

bool Living(const GameModel& model, int player) {
  return player <= std::min<int>(model.Settings.PlayerCount, kMaxPlayers) && model.Players[player].Lives > 0;
}

// Steps between two cells, across the edges when the field wraps.
int Distance(int fromX, int fromY, int toX, int toY, bool wrap) {
  int dx = std::abs(fromX - toX);
  int dy = std::abs(fromY - toY);
  if (wrap) {
    dx = std::min(dx, kFieldColumns - dx);
    dy = std::min(dy, kFieldRows - dy);
  }
  return dx + dy;
}

}  // namespace

Autopilot::Autopilot(int player, std::uint32_t seed, SkillParameters skill)
    : player_(player), random_(seed), skill_(skill), mover_(player) {}

void Autopilot::MarkBodies(const GameModel& model, int mover, int committed, CellBeats& freeFrom) {
  freeFrom.fill(kNoBody);
  const auto keepUntil = [&](int x, int y, int beat) {
    if (!OnField(x, y)) return;
    std::uint16_t& cell = freeFrom[Index({x, y})];
    cell = static_cast<std::uint16_t>(std::max<int>(cell, beat));
  };
  for (int other = 1; other <= kMaxPlayers; ++other) {
    if (!Living(model, other)) continue;
    const PlayerState& snake = model.Players[other];
    // Entry k is solid while it stays within entries 1..Length-1: for
    // Length - k more steps of its snake. A snake after this one in the beat
    // is a step behind when this head arrives, and any other snake may eat
    // on the way and leave its tail where it is a beat longer.
    const int lag = other > mover ? 1 : 0;
    const int growth = other == mover ? 0 : 1;
    const int lastSolid = std::min(snake.Length - 1, kBodyCapacity);
    for (int k = 1; k <= lastSolid; ++k) keepUntil(snake.BodyX[k], snake.BodyY[k], snake.Length - k + lag + growth);
  }
  // After every body, so that a yield remembers the bodies under its cell;
  // in player order, so that it remembers the heads that move earlier too.
  const bool listYields = mover == player_;
  if (listYields) yieldCount_ = 0;
  for (int other = 1; other <= kMaxPlayers; ++other) {
    if (other == mover || other == committed || !Living(model, other)) continue;
    const PlayerState& snake = model.Players[other];
    for (const Direction direction : kDirections) {
      if (direction == Opposite(snake.Direction)) continue;
      const Offset step = StepOf(direction);
      int x = snake.BodyX[1] + step.dx;
      int y = snake.BodyY[1] + step.dy;
      if (model.Settings.Wrap) {
        x = WrapColumn(x);
        y = WrapRow(y);
      }
      if (!OnField(x, y)) continue;
      if (listYields && other > mover) yields_[yieldCount_++] = {Index({x, y}), freeFrom[Index({x, y})]};
      keepUntil(x, y, kRivalHeadReach);
    }
  }
}

// Column by column, as the grid lies in memory.
void Autopilot::MarkGround(const GameModel& model) {
  for (int x = 0; x < kFieldColumns; ++x) {
    for (int y = 0; y < kFieldRows; ++y) {
      const BoardCell& cell = model.LevelGrid.at(x, y);
      Ground ground = Ground::Open;
      if (cell.Occupied != 0) {
        ground = IsNormalContent(cell.Content) || cell.Content == -CharacterBrick ? Ground::Solid : Ground::Special;
      }
      groundOf_[Index({x, y})] = ground;
    }
  }
}

bool Autopilot::PushBlocked(const GameModel& model, Cell ahead) const {
  if (model.LevelGrid.at(ahead.x, ahead.y).Occupied != 0) return true;
  if (ahead.x == model.TargetX && ahead.y == model.TargetY) return true;
  for (int other = 1; other <= kMaxPlayers; ++other) {
    if (other == mover_ || !Living(model, other)) continue;
    const PlayerState& snake = model.Players[other];
    const int lastSolid = std::min(snake.Length - 1, kBodyCapacity);
    for (int k = 1; k <= lastSolid; ++k) {
      if (snake.BodyX[k] == ahead.x && snake.BodyY[k] == ahead.y) return true;
    }
  }
  return false;
}

std::optional<Autopilot::Step> Autopilot::StepFrom(const GameModel& model, Cell from, Direction direction,
                                                   int beat) const {
  const Offset offset = StepOf(direction);
  Cell next{from.x + offset.dx, from.y + offset.dy};
  if (model.Settings.Wrap) next = {WrapColumn(next.x), WrapRow(next.y)};
  if (!OnField(next.x, next.y)) return std::nullopt;

  Step step{next, direction, false};
  const BoardCell& brick = model.LevelGrid.at(next.x, next.y);
  if (brick.Occupied != 0) {
    const std::int32_t content = brick.Content;
    if (IsNormalContent(content) || content == -CharacterBrick) return std::nullopt;
    if (content == -DoorBrick) {
      step.landing = {next.x + offset.dx, next.y + offset.dy};
      for (int link = 0; link < 4 && targetWalled_; ++link) {
        if (brick.Extra[2 * link] == model.TargetX && brick.Extra[2 * link + 1] == model.TargetY) {
          step.reachesTarget = true;
        }
      }
    } else if (content == -InOutBrick) {
      step.landing = {static_cast<std::int8_t>(brick.Extra[0]) + offset.dx,
                      static_cast<std::int8_t>(brick.Extra[1]) + offset.dy};
    } else if (content == -ReboundBrick) {
      const Cell ahead{(next.x + offset.dx + kFieldColumns) % kFieldColumns,
                       (next.y + offset.dy + kFieldRows) % kFieldRows};
      if (PushBlocked(model, ahead)) return std::nullopt;
    }
    // A jump's landing is tested for nothing but other snakes in its own
    // step; the next step leaves from it, so it had better be open ground.
    if (!(step.landing == next)) {
      if (!OnField(step.landing.x, step.landing.y)) return std::nullopt;
      if (model.LevelGrid.at(step.landing.x, step.landing.y).Occupied != 0) return std::nullopt;
    }
  }
  if (!BodyFreeAt(step.landing, beat)) return std::nullopt;
  if (targetKnown_ && step.landing.x == model.TargetX && step.landing.y == model.TargetY) {
    step.reachesTarget = true;
  }
  return step;
}

std::optional<int> Autopilot::Search(const GameModel& model, std::span<const Step> firstSteps, bool seekTarget,
                                     int enough, int& reached) {
  if (++search_ == 0) {
    visitedIn_.fill(0);
    search_ = 1;
  }
  reached = 0;
  int front = 0;
  int back = 0;
  bool cutShort = false;
  const auto visit = [&](const Step& step, int first, int beat) {
    const int index = Index(step.landing);
    visitedIn_[index] = search_;
    firstMove_[index] = static_cast<std::uint8_t>(first);
    arrivalDirection_[index] = static_cast<std::uint8_t>(step.direction);
    beatOf_[index] = static_cast<std::uint16_t>(beat);
    queue_[back++] = static_cast<std::uint16_t>(index);
    ++reached;
  };
  for (int first = 0; first < static_cast<int>(firstSteps.size()); ++first) {
    const Step& step = firstSteps[first];
    if (seekTarget && step.reachesTarget) return first;
    if (visitedIn_[Index(step.landing)] != search_) visit(step, first, 1);
  }
  const NeighbourTable& neighbours = model.Settings.Wrap ? kWrappedNeighbours : kClosedNeighbours;
  const CellBeats& freeFrom = FreeFrom();
  while (front < back && (seekTarget || reached < enough)) {
    const int index = queue_[front++];
    const int beat = beatOf_[index] + 1;
    if (beat > skill_.searchDepth) {
      cutShort = true;
      continue;
    }
    const Direction reverse = Opposite(static_cast<Direction>(arrivalDirection_[index]));
    for (int d = 0; d < 4; ++d) {
      const int next = neighbours[index][d];
      if (next < 0 || kDirections[d] == reverse || visitedIn_[next] == search_) continue;
      // Most cells are open ground or a plain brick; only the special
      // bricks need the whole step worked out.
      if (groundOf_[next] == Ground::Solid) continue;
      if (groundOf_[next] == Ground::Open) {
        if (beat < freeFrom[next]) continue;
        if (seekTarget && next == targetIndex_) return firstMove_[index];
        visit(Step{CellOf(next), kDirections[d], false}, firstMove_[index], beat);
        continue;
      }
      const std::optional<Step> step = StepFrom(model, CellOf(index), kDirections[d], beat);
      if (!step || visitedIn_[Index(step->landing)] == search_) continue;
      if (seekTarget && step->reachesTarget) return firstMove_[index];
      visit(*step, firstMove_[index], beat);
    }
  }
  if (cutShort && !seekTarget) reached = std::max(reached, enough);
  return std::nullopt;
}

int Autopilot::RoomFrom(const GameModel& model, const Step& firstStep, int enough) {
  int reached = 0;
  Search(model, std::span<const Step>(&firstStep, 1), false, enough, reached);
  return reached;
}

std::optional<int> Autopilot::KeyFor(const PlayerState& snake, Direction direction) const {
  if (direction == snake.Direction) return std::nullopt;
  return SteeringKeyFor(player_, direction);
}

bool Autopilot::Chance(int inThousand) {
  if (inThousand <= 0) return false;
  if (inThousand >= 1000) return true;
  return static_cast<int>(random_() % 1000) < inThousand;
}

// A head that moves later in the beat finds this one already in the cell;
// giving way to it is a courtesy that a rival need not pay.
int Autopilot::FirstSteps(const GameModel& model, bool takeContested, std::array<Step, 3>& steps) {
  std::array<std::uint16_t, std::tuple_size_v<decltype(yields_)>> kept{};
  const int yields = takeContested ? yieldCount_ : 0;
  for (int i = 0; i < yields; ++i) kept[i] = freeFrom_[yields_[i].index];
  // Backwards, so that a cell next to two later heads gets the first one's
  // value, which the second one's head did not raise.
  for (int i = yields - 1; i >= 0; --i) freeFrom_[yields_[i].index] = yields_[i].freeFrom;

  const PlayerState& snake = model.Players[player_];
  std::array<Direction, 4> order{kDirections[0], kDirections[1], kDirections[2], kDirections[3]};
  std::shuffle(order.begin(), order.end(), random_);
  int count = 0;
  const Cell head{snake.BodyX[1], snake.BodyY[1]};
  for (const Direction direction : order) {
    if (direction == Opposite(snake.Direction)) continue;
    // Such a key would first step the snake on as it heads; going on as it
    // heads is a choice of its own, so the key is left alone.
    if (direction != snake.Direction && TurnStepsFirst(snake, direction)) continue;
    if (const auto step = StepFrom(model, head, direction, 1)) steps[count++] = *step;
  }
  for (int i = 0; i < yields; ++i) freeFrom_[yields_[i].index] = kept[i];
  return count;
}

int Autopilot::RivalSteps(const GameModel& model, int rival, std::array<Step, 4>& steps) const {
  const PlayerState& snake = model.Players[rival];
  const Cell head{snake.BodyX[1], snake.BodyY[1]};
  int count = 0;
  for (const Direction direction : kDirections) {
    if (direction == Opposite(snake.Direction)) continue;
    if (const auto step = StepFrom(model, head, direction, 1)) steps[count++] = *step;
  }
  return count;
}

// A rival's head is closed in when it has less room than its own length,
// and one of this snake's safe steps does it where another would not.
std::optional<int> Autopilot::CutOff(const GameModel& model, std::span<const Step> choices, int enough) {
  const PlayerState& own = model.Players[player_];
  const auto near = [&](int rival) {
    const PlayerState& other = model.Players[rival];
    return rival != player_ && Living(model, rival) && other.Length >= 1 &&
           Distance(own.BodyX[1], own.BodyY[1], other.BodyX[1], other.BodyY[1], model.Settings.Wrap) <= kCutOffReach;
  };
  bool anyNear = false;
  for (int rival = 1; rival <= kMaxPlayers; ++rival) anyNear = anyNear || near(rival);
  if (!anyNear) return std::nullopt;
  std::array<bool, 3> safe{};
  for (std::size_t choice = 0; choice < choices.size(); ++choice) {
    safe[choice] = RoomFrom(model, choices[choice], enough) >= enough;
  }
  std::optional<int> cut;
  int fewestOverall = kCells;
  for (int rival = 1; rival <= kMaxPlayers; ++rival) {
    if (!near(rival)) continue;
    const PlayerState& other = model.Players[rival];
    MarkBodies(model, rival, player_, rivalFreeFrom_);
    mover_ = rival;
    forRival_ = true;
    // This head's new cell holds the body for its whole length.
    const int hold = own.Length + (player_ > rival ? 1 : 0) + 1;
    const int closedIn = std::max(other.Length, 1);
    int fewest = kCells;
    int most = 0;
    int fewestChoice = -1;
    for (std::size_t choice = 0; choice < choices.size(); ++choice) {
      std::uint16_t& cell = rivalFreeFrom_[Index(choices[choice].landing)];
      const std::uint16_t before = cell;
      cell = static_cast<std::uint16_t>(std::max<int>(before, hold));
      std::array<Step, 4> steps{};
      const int count = RivalSteps(model, rival, steps);
      int room = 0;
      Search(model, std::span<const Step>(steps.data(), count), false, closedIn, room);
      cell = before;
      most = std::max(most, room);
      if (safe[choice] && room < fewest) {
        fewest = room;
        fewestChoice = static_cast<int>(choice);
      }
    }
    if (fewestChoice >= 0 && fewest < closedIn && most >= closedIn && fewest < fewestOverall) {
      fewestOverall = fewest;
      cut = fewestChoice;
    }
  }
  mover_ = player_;
  forRival_ = false;
  return cut;
}

std::optional<int> Autopilot::OtherSafeStep(const GameModel& model, std::span<const Step> choices, int best,
                                            int enough) {
  for (int choice = 0; choice < static_cast<int>(choices.size()); ++choice) {
    if (choice != best && RoomFrom(model, choices[choice], enough) >= enough) return choice;
  }
  return std::nullopt;
}

void Autopilot::NoticeTarget(const GameModel& model) {
  const Sighting now{model.TargetX, model.TargetY, model.TargetNumber};
  if (!(now == seen_)) {
    seen_ = now;
    beatsSinceSighting_ = 0;
  } else if (beatsSinceSighting_ < skill_.reactionBeats) {
    ++beatsSinceSighting_;
  }
  targetKnown_ = model.TargetNumber >= 1 && beatsSinceSighting_ >= skill_.reactionBeats;
}

std::optional<int> Autopilot::ChooseKey(const GameModel& model) {
  if (model.ScreenState != BoardScreen || model.Settings.Paused || !Living(model, player_)) return std::nullopt;
  const PlayerState& snake = model.Players[player_];
  if (snake.Length < 1) return std::nullopt;

  NoticeTarget(model);
  MarkBodies(model, player_, 0, freeFrom_);
  MarkGround(model);
  targetIndex_ = targetKnown_ && OnField(model.TargetX, model.TargetY) ? Index({model.TargetX, model.TargetY}) : -1;
  targetWalled_ = targetKnown_ && model.LevelGrid.at(model.TargetX, model.TargetY).Occupied != 0;
  const bool againstOthers = Chance(skill_.rivalryPercent * 10);
  std::array<Step, 3> firstSteps{};
  const int count = FirstSteps(model, againstOthers, firstSteps);
  if (count == 0) return std::nullopt;
  const std::span<const Step> choices(firstSteps.data(), count);

  int reached = 0;
  const std::optional<int> towardsTarget = targetKnown_ ? Search(model, choices, true, 0, reached) : std::nullopt;
  int best = towardsTarget.value_or(0);
  bool preferred = towardsTarget.has_value();
  if (!towardsTarget && targetKnown_ && skill_.searchDepth < kUnlimitedDepth) {
    // No way within sight: the step that brings the head nearest.
    int nearest = kCells;
    for (int choice = 0; choice < count; ++choice) {
      const Cell landing = choices[choice].landing;
      const int distance = Distance(landing.x, landing.y, model.TargetX, model.TargetY, model.Settings.Wrap);
      if (distance < nearest) {
        nearest = distance;
        best = choice;
      }
    }
    preferred = true;
  } else if (!targetKnown_ && skill_.reactionBeats > 0) {
    // A target not noticed yet: on as before.
    for (int choice = 0; choice < count; ++choice) {
      if (choices[choice].direction == snake.Direction) {
        best = choice;
        preferred = true;
      }
    }
  }
  const int enough = std::min(snake.Length + kSpareRoom, kCells);
  int bestRoom = RoomFrom(model, choices[best], enough);
  if (!preferred || bestRoom < enough) {
    const int first = best;
    for (int choice = 0; choice < count; ++choice) {
      if (choice == first) continue;
      const int room = RoomFrom(model, choices[choice], enough);
      if (room > bestRoom) {
        best = choice;
        bestRoom = room;
      }
    }
  }
  if (againstOthers && model.Settings.Competition) {
    if (const std::optional<int> cut = CutOff(model, choices, enough)) best = *cut;
  }
  if (Chance(skill_.mistakesPerThousand)) {
    if (const std::optional<int> other = OtherSafeStep(model, choices, best, enough)) best = *other;
  }
  return KeyFor(snake, choices[best].direction);
}

}  // namespace coilrun
