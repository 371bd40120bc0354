#include "shell/editor/level_checks.h"

#include <array>

namespace coilrun {

namespace {

using FieldFlags = std::array<std::array<bool, kFieldRows>, kFieldColumns>;

std::string Counted(int count, const char* thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// Appended rather than "(" + ...: GCC 12 at -O3 warns of an overlapping copy
// in the literal-first operator+.
std::string CellText(int x, int y) {
  std::string text = "(";
  text += std::to_string(x);
  text += ", ";
  text += std::to_string(y);
  text += ")";
  return text;
}

std::string KindName(int kind) {
  switch (kind) {
    case NormalBrick: return "normal brick";
    case DoorBrick: return "door";
    case InOutBrick: return "in-out brick";
    case ReboundBrick: return "rebound brick";
    case CharacterBrick: return "character brick";
    case ScoreBrick: return "score brick";
    case LifeBrick: return "life brick";
    default: return "brick";
  }
}

bool Free(const LevelDesign& level, int x, int y) { return OnField(x, y) && level.at(x, y).Kind == 0; }

// A snake passes every kind but the two that kill: it jumps a door, is
// carried by an in-out brick, pushes a rebound brick and takes a score or
// life brick.
bool Passable(const LevelDesign& level, int x, int y) {
  if (!OnField(x, y)) return false;
  const int kind = level.at(x, y).Kind;
  return kind != NormalBrick && kind != CharacterBrick;
}

std::array<FieldCell, 4> Neighbours(FieldCell cell) {
  return {FieldCell{cell.x - 1, cell.y}, FieldCell{cell.x + 1, cell.y}, FieldCell{cell.x, cell.y - 1},
          FieldCell{cell.x, cell.y + 1}};
}

// The cells a snake can reach from `start` without wrapping round the
// edges, which the player may switch off. An in-out brick leads to the
// cells beside its destination.
int ReachableFrom(const LevelDesign& level, FieldCell start) {
  FieldFlags seen{};
  std::vector<FieldCell> pending{start};
  seen[start.x][start.y] = true;
  int reached = 0;
  while (!pending.empty()) {
    const FieldCell cell = pending.back();
    pending.pop_back();
    ++reached;
    const auto around = Neighbours(cell);
    std::vector<FieldCell> next(around.begin(), around.end());
    const DesignCell& brick = level.at(cell.x, cell.y);
    if (brick.Kind == InOutBrick) {
      const FieldCell target{static_cast<std::int8_t>(brick.Extra[0]), static_cast<std::int8_t>(brick.Extra[1])};
      for (const FieldCell beside : Neighbours(target)) next.push_back(beside);
    }
    for (const FieldCell step : next) {
      if (!Passable(level, step.x, step.y) || seen[step.x][step.y]) continue;
      seen[step.x][step.y] = true;
      pending.push_back(step);
    }
  }
  return reached;
}

void CheckStarts(const LevelDesign& level, std::vector<LevelWarning>& warnings) {
  int passable = 0;
  for (int x = 0; x < kFieldColumns; ++x) {
    for (int y = 0; y < kFieldRows; ++y) passable += Passable(level, x, y) ? 1 : 0;
  }
  for (const PlayerStart& start : PlayerStarts()) {
    const std::string who = "player " + std::to_string(start.player) + "'s start ";
    const FieldCell behind{start.head.x - start.step, start.head.y};
    bool placed = true;
    for (const FieldCell cell : {start.head, behind}) {
      if (Free(level, cell.x, cell.y)) continue;
      warnings.push_back({cell, who + CellText(cell.x, cell.y) + " holds a " + KindName(level.at(cell.x, cell.y).Kind) +
                                    "; the snake is placed on it"});
      placed = false;
    }
    if (!placed) continue;
    int run = 0;
    while (run < kFreeRunAhead && Free(level, start.head.x + (run + 1) * start.step, start.head.y)) ++run;
    if (run < kFreeRunAhead) {
      const FieldCell blocked{start.head.x + (run + 1) * start.step, start.head.y};
      warnings.push_back({blocked, who + "has " + Counted(run, "free cell") + " ahead before " +
                                       CellText(blocked.x, blocked.y) + " (" + std::to_string(kFreeRunAhead) +
                                       " give the player time to turn)"});
    }
    // Most of the field: more than half of the cells a snake can enter.
    const int reached = ReachableFrom(level, start.head);
    if (2 * reached <= passable) {
      warnings.push_back({start.head, who + "reaches only " + std::to_string(reached) + " of the " +
                                          std::to_string(passable) + " open cells; walls shut it in"});
    }
  }
}

void CheckRoomForTargets(const LevelDesign& level, std::vector<LevelWarning>& warnings) {
  int free = 0;
  for (int x = 0; x < kFieldColumns; ++x) {
    for (int y = 0; y < kFieldRows; ++y) free += Free(level, x, y) ? 1 : 0;
  }
  if (free < kCellsForTargets) {
    warnings.push_back({std::nullopt, "only " + Counted(free, "free cell") + ": four grown snakes and a target need " +
                                          std::to_string(kCellsForTargets)});
  }
}

void CheckDoor(const LevelDesign& level, int x, int y, std::vector<LevelWarning>& warnings) {
  const DesignCell& door = level.at(x, y);
  const std::string what = "door at " + CellText(x, y) + ": ";
  bool anyBrick = false;
  for (int slot = 0; slot < 4; ++slot) {
    const int cellX = door.Extra[2 * slot];
    const int cellY = door.Extra[2 * slot + 1];
    const std::string cell = "cell " + std::to_string(slot + 1) + " " + CellText(cellX, cellY);
    if (!OnField(cellX, cellY)) {
      warnings.push_back({FieldCell{x, y}, what + cell + " lies outside the field"});
    } else if (cellX == x && cellY == y) {
      warnings.push_back({FieldCell{x, y}, what + cell + " is the door itself, which would open and close itself"});
    } else if (level.at(cellX, cellY).Kind != 0) {
      anyBrick = true;
    }
  }
  if (!anyBrick) warnings.push_back({FieldCell{x, y}, what + "none of its cells holds a brick to open or close"});
}

void CheckInOut(const LevelDesign& level, int x, int y, std::vector<LevelWarning>& warnings) {
  const DesignCell& brick = level.at(x, y);
  // The destination bytes are read as signed values.
  const int targetX = static_cast<std::int8_t>(brick.Extra[0]);
  const int targetY = static_cast<std::int8_t>(brick.Extra[1]);
  const std::string what = "in-out brick at " + CellText(x, y) + ": its destination " + CellText(targetX, targetY);
  if (!OnField(targetX, targetY)) {
    warnings.push_back({FieldCell{x, y}, what + " lies outside the field"});
  } else if (targetX == x && targetY == y) {
    warnings.push_back({FieldCell{x, y}, what + " is the brick itself"});
  } else if (level.at(targetX, targetY).Kind != 0) {
    warnings.push_back(
        {FieldCell{x, y}, what + " holds a " + KindName(level.at(targetX, targetY).Kind) + "; it should be free"});
  }
}

}  // namespace

std::span<const PlayerStart> PlayerStarts() {
  static constexpr PlayerStart kStarts[] = {{1, {9, 1}, +1}, {2, {40, 28}, -1}, {3, {40, 0}, -1}, {4, {9, 29}, +1}};
  return kStarts;
}

bool CharacterHasGlyph(std::uint8_t code) {
  // Latin-1: controls below 0x21 and from 0x7F to 0xA0 (with the blank and
  // the no-break space), and the soft hyphen, which is drawn only at a
  // line break.
  return (code >= 0x21 && code <= 0x7E) || (code >= 0xA1 && code != 0xAD);
}

std::vector<LevelWarning> CheckLevel(const LevelDesign& level, bool forGridFile) {
  std::vector<LevelWarning> warnings;
  CheckStarts(level, warnings);
  CheckRoomForTargets(level, warnings);
  int special = 0;
  std::optional<FieldCell> firstSpecial;
  int offField = 0;
  for (int y = 0; y < kGridRows; ++y) {
    for (int x = 0; x < kGridColumns; ++x) {
      const DesignCell& cell = level.at(x, y);
      if (cell.Kind == 0) continue;
      if (!OnField(x, y)) {
        ++offField;
        continue;
      }
      if (cell.Kind != NormalBrick) {
        ++special;
        if (!firstSpecial) firstSpecial = FieldCell{x, y};
      }
      if (cell.Kind == DoorBrick) CheckDoor(level, x, y, warnings);
      if (cell.Kind == InOutBrick) CheckInOut(level, x, y, warnings);
      if (cell.Kind == CharacterBrick && !CharacterHasGlyph(ShownCharacter(cell.Extra[0]))) {
        warnings.push_back({FieldCell{x, y}, "character brick at " + CellText(x, y) + " shows code " +
                                                 std::to_string(ShownCharacter(cell.Extra[0])) +
                                                 ", which has no glyph: it looks like a normal brick"});
      }
    }
  }
  if (offField > 0) {
    warnings.push_back({std::nullopt, Counted(offField, "brick") +
                                          " in column 50 or row 30, off the field: kept, but nobody sees or meets "
                                          "them"});
  }
  if (forGridFile && special > 0) {
    warnings.push_back({firstSpecial, "a grid file holds only normal bricks: this level's " +
                                          Counted(special, "other brick") + " cannot be saved in it"});
  }
  return warnings;
}

}  // namespace coilrun
