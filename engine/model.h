// The data the whole game works on: the board of the level in play and its
// saved copy, the four players, the numbered target and the options record.
// Plain, statically sized data; nothing here is allocated while a game runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace coilrun {

constexpr int kGridColumns = 51;  // columns 0..50; column 50 lies outside the field
constexpr int kGridRows = 31;     // rows 0..30; row 30 lies outside the field
constexpr int kFieldColumns = 50;
constexpr int kFieldRows = 30;
constexpr int kCellPixels = 10;

constexpr int kMaxPlayers = 4;
constexpr int kNoPlayer = 5;  // "nobody" where an operation takes a player
constexpr int kBodyCapacity = 70;
constexpr int kStartLength = 10;

constexpr std::uint8_t SnakeBrickMark = 156;

constexpr int kBuiltInLevelCount = 82;  // the built-in levels are numbered 1..82
constexpr int kFirstFileLevel = 101;    // the levels of a file are numbered from 101

// Colours hold red in the lowest byte, then green, then blue, 0 on top.
using Color = std::uint32_t;

constexpr Color RgbColor(int red, int green, int blue) {
  return static_cast<Color>(red & 0xFF) | static_cast<Color>(green & 0xFF) << 8 | static_cast<Color>(blue & 0xFF) << 16;
}
constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

enum BrickKind : int {
  NormalBrick = 1,
  DoorBrick = 2,
  InOutBrick = 3,
  ReboundBrick = 4,
  CharacterBrick = 5,
  ScoreBrick = 10,
  LifeBrick = 11,
};

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

// Where the report panel puts the message lines of the information screens.
enum ReportModeValue : std::uint8_t { ReportLeft = 0, ReportCenter = 1, ReportMoving = 2 };

struct BoardCell {
  std::int32_t Content = 0;  // > 0: normal brick of that colour; < 0: -BrickKind
  std::uint8_t Occupied = 0;
  std::array<std::uint8_t, 8> Extra{};

  friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// True for the 50 x 30 visible cells; column 50 and row 30 of the grid and
// anything beyond lie off the field.
constexpr bool OnField(int x, int y) { return x >= 0 && x < kFieldColumns && y >= 0 && y < kFieldRows; }

// True when a cell's Content is drawn and collided with as a normal brick.
constexpr bool IsNormalContent(std::int32_t content) { return content > 0 || content == -NormalBrick; }

// The 51 x 31 board. Heads can stand outside it after a door jump or an
// in-out exit, so every access goes through at(): a cell outside answers as
// empty and whatever is written to it is dropped.
class BoardGrid {
 public:
  static constexpr bool Contains(int x, int y) { return x >= 0 && x < kGridColumns && y >= 0 && y < kGridRows; }

  const BoardCell& at(int x, int y) const {
    if (!Contains(x, y)) return kOutside;
    return cells_[x][y];
  }
  BoardCell& at(int x, int y) {
    if (!Contains(x, y)) {
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

constexpr int kMaxNameLength = 15;
constexpr int kMaxFileNameLength = 255;
constexpr int kBrickColorCount = 6;
// A competition is won by 1 to 50 won levels.
constexpr int kMaxWinsTarget = 50;

// Every option and a few run-time flags; stored as settings.dat.
struct GameSettings {
  bool SnakeFrame = true;
  bool BrickFrame = false;
  bool MixBricksColors = true;
  bool ShowMessages = true;
  bool Wrap = true;
  bool Long = false;
  bool Sounds = true;
  bool Music = false;
  bool NoSoundFiles = false;
  bool Paused = false;
  bool LevelsSkipped = false;
  bool BuiltInLevels = true;
  bool Competition = false;
  std::int32_t Speed = 5;
  std::string LevelFileName;
  bool ReEnterName = true;
  std::uint8_t WinsTarget = 5;
  std::uint8_t ExtendedMessageShown = 0;
  std::array<Color, kBrickColorCount> BrickColors{RgbColor(0x00, 0x80, 0x80), RgbColor(0xCC, 0x99, 0xD9),
                                                  RgbColor(0xEB, 0x7A, 0x86), RgbColor(0x99, 0xCC, 0xFF),
                                                  RgbColor(0xA6, 0xE2, 0x8F), RgbColor(0xE3, 0xE3, 0x8E)};
  std::uint8_t ReportMode = 0;
  std::uint8_t ReportStep = 2;
  std::int32_t ReportInterval = 30;
  std::array<Color, kMaxPlayers> PlayerColors{RgbColor(0xFF, 0xFF, 0xFF), RgbColor(0xFF, 0xFF, 0x00),
                                              RgbColor(0x00, 0xFF, 0xFF), RgbColor(0xFF, 0x00, 0xFF)};
  std::array<std::string, kMaxPlayers> PlayerNames{"Player1", "Player2", "Player3", "Player4"};
  Color BackColor = RgbColor(0x00, 0xFF, 0x00);
  Color ReportColor = RgbColor(0xFF, 0x00, 0x00);
  std::uint8_t PlayerCount = 1;

  friend bool operator==(const GameSettings&, const GameSettings&) = default;
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
