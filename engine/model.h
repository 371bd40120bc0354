// The data the whole game works on: the board of the level in play and its
// saved copy, the four players, the numbered target and the options record.
// Plain, statically sized data; nothing here is allocated while a game runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "formats/color.h"
#include "formats/level_cells.h"
#include "formats/settings_record.h"

namespace coilrun {

constexpr int kCellPixels = 10;

constexpr int kNoPlayer = 5;  // "nobody" where an operation takes a player
constexpr int kBodyCapacity = 70;
constexpr int kStartLength = 10;

constexpr std::uint8_t SnakeBrickMark = 156;

constexpr int kBuiltInLevelCount = 82;  // the built-in levels are numbered 1..82
constexpr int kFirstFileLevel = 101;    // the levels of a file are numbered from 101
// Levels of a file are numbered from 101 and shown from 1.
constexpr int kFileLevelOffset = kFirstFileLevel - 1;
constexpr int ShownLevelNumber(int levelNumber) {
  return levelNumber > kFileLevelOffset ? levelNumber - kFileLevelOffset : levelNumber;
}

enum class Direction : std::uint8_t { Left = 1, Right = 2, Up = 3, Down = 4 };

enum ScreenStateValue : std::uint8_t {
  BoardScreen = 0,
  PauseScreen = 1,
  KeysScreen = 2,
  HighScoreScreen = 3,
  AboutScreen = 4,
  TitleScreen = 5,
  BrickTypesScreen = 6,
  CongratulationsScreen = 7,
  WinnerScreen = 8,
  DisappointmentScreen = 9,
};

// Screens from KeysScreen on are pages in the board's place with message
// pairs in the report panel; the board and the pause box are not.
constexpr int kFirstInformationScreen = KeysScreen;
constexpr int kLastInformationScreen = DisappointmentScreen;
constexpr int kInformationScreenCount = kLastInformationScreen - kFirstInformationScreen + 1;
constexpr bool IsInformationScreen(int state) {
  return state >= kFirstInformationScreen && state <= kLastInformationScreen;
}

struct BoardCell {
  std::int32_t Content = 0;  // > 0: normal brick of that colour; < 0: -BrickKind
  std::uint8_t Occupied = 0;
  std::array<std::uint8_t, 8> Extra{};

  friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// True when a cell's Content is drawn and collided with as a normal brick.
constexpr bool IsNormalContent(std::int32_t content) { return content > 0 || content == -NormalBrick; }

// The 51 x 31 board. Heads can stand outside it after a door jump or an
// in-out exit, so every access goes through at(): a cell outside answers as
// empty and whatever is written to it is dropped.
class BoardGrid {
 public:
  const BoardCell& at(int x, int y) const {
    if (!InGrid(x, y)) return kOutside;
    return cells_[x][y];
  }
  BoardCell& at(int x, int y) {
    if (!InGrid(x, y)) {
      outsideSink_ = BoardCell{};
      return outsideSink_;
    }
    return cells_[x][y];
  }

  friend bool operator==(const BoardGrid& a, const BoardGrid& b) { return a.cells_ == b.cells_; }

 private:
  static constexpr BoardCell kOutside{};
  std::array<std::array<BoardCell, kGridRows>, kGridColumns> cells_{};
  BoardCell outsideSink_{};
};

struct PlayerState {
  std::string Name;  // Latin-1, at most 15 characters
  // Entries 1..70; index 0 is unused so that entry numbers read as written.
  std::array<std::int32_t, kBodyCapacity + 1> BodyX{};
  std::array<std::int32_t, kBodyCapacity + 1> BodyY{};
  coilrun::Direction Direction = coilrun::Direction::Right;
  std::int32_t Length = 0;
  std::int8_t Lives = 0;
  std::uint8_t Wins = 0;
  std::int32_t Score = 0;
  std::int32_t RoundScore = 0;
  coilrun::Color Color = 0;
};

// Points added to a score. A score stops at the largest value it can hold
// rather than wrap round to a negative one.
constexpr std::int32_t AddPoints(std::int32_t score, int points) {
  const std::int64_t sum = std::int64_t{score} + points;
  return sum > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(sum);
}

// PlayerCount, never beyond the four player records.
constexpr int PlayersInGame(const GameSettings& settings) {
  return settings.PlayerCount < kMaxPlayers ? settings.PlayerCount : kMaxPlayers;
}

// The game interval for a speed of 1..10: 170 ms down to 17 ms.
constexpr int GameTimerInterval(int speed) { return 187 - 17 * speed; }

// All game state. Players are numbered 1..4; index 0 is unused.
struct GameModel {
  BoardGrid LevelGrid;
  BoardGrid LevelBackup;
  std::array<PlayerState, kMaxPlayers + 1> Players{};
  std::uint8_t ScreenState = TitleScreen;
  std::uint8_t TargetX = 0;
  std::uint8_t TargetY = 0;
  std::int8_t TargetNumber = 0;
  std::int16_t LevelNumber = 0;
  GameSettings Settings;
};

}  // namespace coilrun
