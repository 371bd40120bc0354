// Starting a game: from the new game dialog, by skipping to a built-in
// level, and from a level file named on the command line.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/menu_state.h"

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
  GameModel& model = parts_.model;
  GameSettings& settings = model.Settings;
  // As the options dialog's speed slider does, so that every new game runs
  // at the chosen speed.
  parts_.options.SetSpeed(settings.Speed);
  settings.PlayerCount = static_cast<std::uint8_t>(std::clamp(choice.PlayerCount, 1, kMaxPlayers));
  settings.WinsTarget = static_cast<std::uint8_t>(std::clamp(choice.WinsTarget, 1, kMaxWinsTarget));
  settings.Competition = choice.Competition;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    PlayerState& snake = model.Players[player];
    const bool playing = player <= settings.PlayerCount;
    snake.Score = 0;
    if (settings.Competition || !playing) snake.Wins = 0;
    if (!playing) {
      snake.Lives = 0;
    } else {
      snake.Lives = static_cast<std::int8_t>(settings.Competition ? 1 : kStartLives);
    }
  }
  parts_.computers.SeatPlayers(choice.Seats, parts_.ports.clock);
  settings.ExtendedMessageShown = 0;
  settings.Paused = false;
  model.LevelNumber = static_cast<std::int16_t>(level);
}

bool Game::StartButtonClick(const NewGameChoice& choice) {
  const auto entry = parts_.inputs.Command(GameCommand::Start);
  if (entry.taken()) return false;
  parts_.inputs.GameStarting({ReplayStart::Dialog, 1, choice, {}});
  On_Start_Click(1, choice);
  parts_.model.Settings.LevelsSkipped = false;
  if (choice.BuiltIn) {
    parts_.sources.SetBuiltInPos(-1);
    parts_.course.NextBuiltInLevel();
    return true;
  }
  if (!parts_.course.OpenLevelFile(choice.LevelFile)) return false;
  return parts_.course.NextFileLevel();
}

// The prompt can come in the middle of a level. Its boxes are modal, and a
// beat inside them would move snakes that nobody can steer, so the game
// timer waits; it goes on as before when no level is chosen.
void Game::Startlevel1Click(const NewGameChoice& choice) {
  const auto entry = parts_.inputs.Command(GameCommand::Start);
  if (entry.taken()) return;
  GameTimers& timers = parts_.ports.timers;
  Prompts& prompts = parts_.ports.prompts;
  const bool gameWasRunning = timers.TimerEnabled(GameTimer::Game);
  timers.SetTimerEnabled(GameTimer::Game, false);
  const auto text =
      prompts.InputBox("Skip Levels", "Enter level number (1-" + std::to_string(kBuiltInLevelCount) + ").", "");
  std::optional<int> number;
  if (text && !text->empty()) {
    number = ParseWholeNumber(*text);
    if (!number) prompts.ShowMessage("'" + *text + "' is not a valid integer value");
  }
  if (!number) {
    timers.SetTimerEnabled(GameTimer::Game, gameWasRunning);
    return;
  }
  const int level = std::clamp(*number, 1, kBuiltInLevelCount);
  parts_.inputs.GameStarting({ReplayStart::SkipLevel, level, choice, {}});
  On_Start_Click(level, choice);
  parts_.model.Settings.LevelsSkipped = true;
  parts_.sources.SetBuiltInPos(parts_.sources.BuiltInLevelStart(level));
  parts_.course.NextBuiltInLevel();
}

void Game::StartCommandLineGame(const std::string& levelFileName) {
  const auto entry = parts_.inputs.Command(GameCommand::Start);
  if (entry.taken()) return;
  // Named field by field: GCC 12 at -O3 takes the braced request's empty
  // choice for uninitialised.
  GameStartRequest request;
  request.start = ReplayStart::CommandLine;
  request.levelFile = levelFileName;
  parts_.inputs.GameStarting(request);
  GameModel& model = parts_.model;
  // The speed setting applies here too, rather than the timer's initial 70 ms.
  parts_.ports.timers.SetTimerInterval(GameTimer::Game, GameTimerInterval(model.Settings.Speed));
  for (int player = 1; player <= PlayersInGame(model.Settings); ++player) {
    model.Players[player].Lives = kStartLives;
    model.Players[player].Score = 0;
  }
  model.Settings.Paused = false;
  // The seats of an earlier game from the dialog do not carry over: their
  // computers would steer this game's snakes.
  parts_.computers.SeatPlayers(Seats{}, parts_.ports.clock);
  model.LevelNumber = kFirstFileLevel;
  if (!parts_.course.OpenLevelFile(levelFileName)) return;
  parts_.course.NextFileLevel();
  Pause1Click();
}

bool Game::StartPlayTest(const std::string& levelFileName) {
  if (GameInPlay(parts_.model)) return false;
  playTest_.Begin();
  StartCommandLineGame(levelFileName);
  return true;
}

bool Game::FinishPlayTestIfOver() {
  if (!playTest_.Running() || GameInPlay(parts_.model)) return false;
  playTest_.End();
  return true;
}

}  // namespace coilrun
