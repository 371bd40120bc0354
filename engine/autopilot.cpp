#include "engine/autopilot.h"

#include <algorithm>

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

}  // namespace

Autopilot::Autopilot(int player, std::uint32_t seed) : player_(player), random_(seed) {}

void Autopilot::MarkBodies(const GameModel& model) {
  freeFrom_.fill(kNoBody);
  const auto keepUntil = [&](int x, int y, int beat) {
    if (!OnField(x, y)) return;
    std::uint16_t& freeFrom = freeFrom_[Index({x, y})];
    freeFrom = static_cast<std::uint16_t>(std::max<int>(freeFrom, beat));
  };
  for (int other = 1; other <= kMaxPlayers; ++other) {
    if (!Living(model, other)) continue;
    const PlayerState& snake = model.Players[other];
    // Entry k is solid while it stays within entries 1..Length-1: for
    // Length - k more steps of its snake. A snake after this one in the beat
    // is a step behind when this head arrives, and any other snake may eat
    // on the way and leave its tail where it is a beat longer.
    const int lag = other > player_ ? 1 : 0;
    const int growth = other == player_ ? 0 : 1;
    const int lastSolid = std::min(snake.Length - 1, kBodyCapacity);
    for (int k = 1; k <= lastSolid; ++k) keepUntil(snake.BodyX[k], snake.BodyY[k], snake.Length - k + lag + growth);
    if (other == player_) continue;
    for (const Direction direction : kDirections) {
      if (direction == Opposite(snake.Direction)) continue;
      const Offset step = StepOf(direction);
      int x = snake.BodyX[1] + step.dx;
      int y = snake.BodyY[1] + step.dy;
      if (model.Settings.Wrap) {
        x = WrapColumn(x);
        y = WrapRow(y);
      }
      keepUntil(x, y, kRivalHeadReach);
    }
  }
}

void Autopilot::MarkGround(const GameModel& model) {
  for (int y = 0; y < kFieldRows; ++y) {
    for (int x = 0; x < kFieldColumns; ++x) {
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
    if (other == player_ || !Living(model, other)) continue;
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
  if (model.TargetNumber >= 1 && step.landing.x == model.TargetX && step.landing.y == model.TargetY) {
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
  while (front < back && (seekTarget || reached < enough)) {
    const int index = queue_[front++];
    const Direction reverse = Opposite(static_cast<Direction>(arrivalDirection_[index]));
    const int beat = beatOf_[index] + 1;
    for (int d = 0; d < 4; ++d) {
      const int next = neighbours[index][d];
      if (next < 0 || kDirections[d] == reverse || visitedIn_[next] == search_) continue;
      // Most cells are open ground or a plain brick; only the special
      // bricks need the whole step worked out.
      if (groundOf_[next] == Ground::Solid) continue;
      if (groundOf_[next] == Ground::Open) {
        if (beat < freeFrom_[next]) continue;
        if (seekTarget && next == targetIndex_) return firstMove_[index];
        visit(Step{{next % kFieldColumns, next / kFieldColumns}, kDirections[d], false}, firstMove_[index], beat);
        continue;
      }
      const Cell cell{index % kFieldColumns, index / kFieldColumns};
      const std::optional<Step> step = StepFrom(model, cell, kDirections[d], beat);
      if (!step || visitedIn_[Index(step->landing)] == search_) continue;
      if (seekTarget && step->reachesTarget) return firstMove_[index];
      visit(*step, firstMove_[index], beat);
    }
  }
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

std::optional<int> Autopilot::ChooseKey(const GameModel& model) {
  if (model.ScreenState != BoardScreen || model.Settings.Paused || !Living(model, player_)) return std::nullopt;
  const PlayerState& snake = model.Players[player_];
  if (snake.Length < 1) return std::nullopt;

  MarkBodies(model);
  MarkGround(model);
  targetIndex_ =
      model.TargetNumber >= 1 && OnField(model.TargetX, model.TargetY) ? Index({model.TargetX, model.TargetY}) : -1;
  targetWalled_ = model.TargetNumber >= 1 && model.LevelGrid.at(model.TargetX, model.TargetY).Occupied != 0;
  std::array<Direction, 4> order{kDirections[0], kDirections[1], kDirections[2], kDirections[3]};
  std::shuffle(order.begin(), order.end(), random_);
  std::array<Step, 3> firstSteps{};
  int count = 0;
  const Cell head{snake.BodyX[1], snake.BodyY[1]};
  for (const Direction direction : order) {
    if (direction == Opposite(snake.Direction)) continue;
    // Such a key would first step the snake on as it heads; going on as it
    // heads is a choice of its own, so the key is left alone.
    if (direction != snake.Direction && TurnStepsFirst(snake, direction)) continue;
    if (const auto step = StepFrom(model, head, direction, 1)) firstSteps[count++] = *step;
  }
  if (count == 0) return std::nullopt;
  const std::span<const Step> choices(firstSteps.data(), count);

  int reached = 0;
  const std::optional<int> towardsTarget = Search(model, choices, true, 0, reached);
  const int enough = std::min(snake.Length + kSpareRoom, kCells);
  int best = towardsTarget.value_or(0);
  int bestRoom = RoomFrom(model, choices[best], enough);
  if (towardsTarget && bestRoom >= enough) return KeyFor(snake, choices[best].direction);
  for (int choice = 0; choice < count; ++choice) {
    if (choice == best) continue;
    const int room = RoomFrom(model, choices[choice], enough);
    if (room > bestRoom) {
      best = choice;
      bestRoom = room;
    }
  }
  return KeyFor(snake, choices[best].direction);
}

}  // namespace coilrun
