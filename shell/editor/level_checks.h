// What the level editor warns about as a level is drawn: starts that kill
// a snake at once, no room for targets, walls that shut a snake into a
// corner, doors and in-out bricks that point nowhere useful, characters
// that show nothing, bricks a grid file cannot keep. Warnings only: a level
// that fails them still plays and still saves.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/level_design.h"
#include "shell/editor/drawing_tools.h"

namespace coilrun {

struct LevelWarning {
  // The cell the warning is about, selected when it is clicked.
  std::optional<FieldCell> cell;
  std::string text;
  friend bool operator==(const LevelWarning&, const LevelWarning&) = default;
};

// Where the game places the four snakes at every level start: the head,
// heading right (+1) or left (-1), with the body on the cell behind it.
struct PlayerStart {
  int player;
  FieldCell head;
  int step;
};
std::span<const PlayerStart> PlayerStarts();

// A little over a second at the default speed before the first turn.
constexpr int kFreeRunAhead = 12;
// Four snakes grown by all eight targets (10 + 36 body entries each) and
// the target itself.
constexpr int kCellsForTargets = 4 * 46 + 1;

// Whether the small bold face draws something for the Latin-1 code a
// character brick shows; a blank counts as nothing.
bool CharacterHasGlyph(std::uint8_t code);
// The code a character brick shows, from its stored byte.
constexpr std::uint8_t ShownCharacter(std::uint8_t stored) { return static_cast<std::uint8_t>(stored + 128); }
constexpr std::uint8_t StoredCharacter(std::uint8_t shown) { return static_cast<std::uint8_t>(shown - 128); }

// `forGridFile`: the level is to go into a grid file.
std::vector<LevelWarning> CheckLevel(const LevelDesign& level, bool forGridFile);

}  // namespace coilrun
