// Starting a game: from the new game dialog, by skipping to a built-in
// level, and from a level file named on the command line.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "engine/game.h"

namespace coilrun {

namespace {

constexpr int kStartLives = 5;

// A whole number, optionally signed, with nothing else but surrounding blanks.
std::optional<int> ParseWholeNumber(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  // from_chars takes a minus but no plus; a plus is passed over only when a
  // digit follows, so that "+-5" is no number.
  if (*begin == '+' && begin + 1 != end && begin[1] >= '0' && begin[1] <= '9') ++begin;
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

void Game::On_Start_Click(int level, const NewGameChoice& choice) {
  GameSettings& settings = model_.Settings;
  host_.SetTimerInterval(GameTimer::Game, GameTimerInterval(settings.Speed));
  settings.PlayerCount = static_cast<std::uint8_t>(std::clamp(choice.PlayerCount, 1, kMaxPlayers));
  settings.WinsTarget = static_cast<std::uint8_t>(std::clamp(choice.WinsTarget, 1, kMaxWinsTarget));
  settings.Competition = choice.Competition;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    PlayerState& snake = model_.Players[player];
    const bool playing = player <= settings.PlayerCount;
    snake.Score = 0;
    if (settings.Competition || !playing) snake.Wins = 0;
    if (!playing) {
      snake.Lives = 0;
    } else {
      snake.Lives = static_cast<std::int8_t>(settings.Competition ? 1 : kStartLives);
    }
  }
  settings.ExtendedMessageShown = 0;
  settings.Paused = false;
  model_.LevelNumber = static_cast<std::int16_t>(level);
}

bool Game::StartButtonClick(const NewGameChoice& choice) {
  On_Start_Click(1, choice);
  model_.Settings.LevelsSkipped = false;
  if (choice.BuiltIn) {
    sources_.setBuiltInPos(-1);
    NextBuiltInLevel();
    return true;
  }
  if (!OpenLevelFile(choice.LevelFile)) return false;
  return sources_.levelFileIsStream() ? NextStreamLevel() : NextGridLevel();
}

// The prompt can come in the middle of a level. Its boxes are modal, and a
// beat inside them would move snakes that nobody can steer, so the game
// timer waits; it goes on as before when no level is chosen.
void Game::Startlevel1Click() {
  const bool gameWasRunning = host_.TimerEnabled(GameTimer::Game);
  host_.SetTimerEnabled(GameTimer::Game, false);
  const auto text =
      host_.InputBox("Skip Levels", "Enter level number (1-" + std::to_string(kBuiltInLevelCount) + ").", "");
  std::optional<int> number;
  if (text && !text->empty()) {
    number = ParseWholeNumber(*text);
    if (!number) host_.ShowMessage("'" + *text + "' is not a valid integer value");
  }
  if (!number) {
    host_.SetTimerEnabled(GameTimer::Game, gameWasRunning);
    return;
  }
  const int level = std::clamp(*number, 1, kBuiltInLevelCount);
  On_Start_Click(level, host_.NewGameControls());
  model_.Settings.LevelsSkipped = true;
  sources_.setBuiltInPos(sources_.BuiltInLevelStart(level));
  NextBuiltInLevel();
}

void Game::StartCommandLineGame(const std::string& levelFileName) {
  // The speed setting applies here too, rather than the timer's initial 70 ms.
  host_.SetTimerInterval(GameTimer::Game, GameTimerInterval(model_.Settings.Speed));
  for (int player = 1; player <= PlayersInGame(model_.Settings); ++player) {
    model_.Players[player].Lives = kStartLives;
    model_.Players[player].Score = 0;
  }
  model_.Settings.Paused = false;
  model_.LevelNumber = kFirstFileLevel;
  if (!OpenLevelFile(levelFileName)) return;
  sources_.levelFileIsStream() ? NextStreamLevel() : NextGridLevel();
  Pause1Click();
}

}  // namespace coilrun
