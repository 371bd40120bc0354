#include "game/course.h"

#include <algorithm>
#include <string>

namespace coilrun {

namespace {

struct PlayerStart {
  int headX, headY;
  Direction direction;
  int bodyX;
};

constexpr PlayerStart kPlayerStarts[kMaxPlayers + 1] = {
    {0, 0, Direction::Right, 0},  {9, 1, Direction::Right, 8},  {40, 28, Direction::Left, 41},
    {40, 0, Direction::Left, 41}, {9, 29, Direction::Right, 8},
};

constexpr int kLifeBonusLimit = 10;
constexpr int kLevelBonus = 100;
constexpr int kLevelsExhausted = kBuiltInLevelCount + 1;

}  // namespace

// All four are placed whatever PlayerCount is, so the first target keeps
// clear of every start cell.
void Course::PlaceSnakes() {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const PlayerStart& start = kPlayerStarts[player];
    PlayerState& snake = model_.Players[player];
    snake.Direction = start.direction;
    snake.Length = kStartLength;
    snake.BodyX[1] = start.headX;
    snake.BodyY[1] = start.headY;
    for (int k = 2; k <= snake.Length + 1; ++k) {
      snake.BodyX[k] = start.bodyX;
      snake.BodyY[k] = start.headY;
    }
  }
}

void Course::StartLevel() {
  model_.ScreenState = BoardScreen;
  model_.LevelBackup = model_.LevelGrid;
  view_.board.ClearBoard();
  view_.board.DrawBricks();
  model_.TargetNumber = 0;
  PlaceSnakes();
  rules_.PlaceFirstTarget();
  for (int player = 1; player <= kMaxPlayers; ++player) {
    PlayerState& snake = model_.Players[player];
    if (snake.Lives == 0) snake.Length = 0;
    snake.RoundScore = 0;
  }
  timers_.SetTimerEnabled(GameTimer::Game, true);
  view_.report.ClearReport();
  view_.report.RepaintReport();
}

void Course::RestartAfterDeath() {
  if (model_.Settings.Competition && CompetitionEnded()) return;
  model_.LevelGrid = model_.LevelBackup;
  StartLevel();
}

void Course::LevelFinished() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    PlayerState& snake = model_.Players[player];
    if (snake.Lives <= 0) continue;
    view_.board.DrawSnake(player);
    if (!model_.Settings.Competition && snake.Lives < kLifeBonusLimit) ++snake.Lives;
    snake.Score = AddPoints(snake.Score, kLevelBonus);
  }
  // Stopped before the competition is decided: an extension is announced in
  // a modal box, and a beat inside it would run on a finished level.
  timers_.SetTimerEnabled(GameTimer::Game, false);
  if (model_.Settings.Competition && CompetitionEnded()) return;
  for (int player = 1; player <= playerCount; ++player) {
    view_.report.ShowScore(player);
    view_.report.ShowLives(player);
  }
  Level_Done_Message();
  // A file of more than 32,667 levels would carry the number past what it
  // can hold; from there on every level counts as the last number.
  if (model_.LevelNumber < INT16_MAX) ++model_.LevelNumber;
  if (model_.Settings.BuiltInLevels) {
    NextBuiltInLevel();
  } else {
    NextFileLevel();
  }
}

void Course::Level_Done_Message() {
  if (!model_.Settings.ShowMessages) return;
  if (!model_.Settings.Competition) {
    if (model_.LevelNumber < 1) return;
    prompts_.ShowMessage("Level " + std::to_string(ShownLevelNumber(model_.LevelNumber)) + " finished.");
    return;
  }

  const int best = competition_.MaxRoundScore();
  const int playerCount = PlayersInGame(model_.Settings);
  std::string names;
  int winners = 0;
  for (int player = 1; player <= playerCount && best > 0; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (snake.Lives <= 0 || snake.RoundScore != best) continue;
    if (winners > 0) names += ", ";
    names += snake.Name;
    ++winners;
  }
  if (winners == 0) {
    prompts_.ShowMessage("No winners.");
  } else if (winners == 1) {
    prompts_.ShowMessage("Winner of this level is " + names + ".");
  } else {
    prompts_.ShowMessage("Winners of this level are " + names + ".");
  }
}

bool Course::OpenLevelFile(const std::string& name) {
  if (const FileResult failure = sources_.OpenLevelFile(name)) {
    prompts_.ShowFailure(*failure);
    return false;
  }
  // The game's levels come from this file from now on, also when it holds
  // none: the end of the game and the next level read this flag.
  model_.Settings.BuiltInLevels = false;
  return true;
}

void Course::CloseLevelFile() {
  if (const FileResult failure = sources_.CloseLevelFile()) prompts_.ShowFailure(*failure);
}

void Course::OnLevelsExhausted() {
  if (model_.Settings.Competition) {
    model_.LevelGrid = model_.LevelBackup;
    StartLevel();
  } else {
    OnEnd();
  }
}

void Course::NextBuiltInLevel() {
  if (model_.LevelNumber >= kLevelsExhausted) {
    OnLevelsExhausted();
    return;
  }
  sources_.ClearGrid();
  sources_.DecodeBuiltInLevel();
  model_.Settings.BuiltInLevels = true;
  StartLevel();
}

bool Course::NextFileLevel() {
  const LevelRead read = sources_.LevelFileIsStream() ? sources_.LoadStreamLevel() : sources_.LoadGridLevel();
  if (read.failure) {
    prompts_.ShowFailure(*read.failure);
    return false;
  }
  if (!read.loaded) {
    OnLevelsExhausted();
    return true;
  }
  PlaceSnakes();
  model_.Settings.BuiltInLevels = false;
  StartLevel();
  return true;
}

void Course::OnEnd() {
  timers_.SetTimerEnabled(GameTimer::Game, false);
  OfferScoresInPlay();
  const bool builtInListFinished = model_.LevelNumber >= kBuiltInLevelCount && model_.Settings.BuiltInLevels;
  if (builtInListFinished && !model_.Settings.LevelsSkipped) {
    screens_.ShowScreen(CongratulationsScreen);
  } else if (builtInListFinished) {
    screens_.ShowScreen(DisappointmentScreen);
  } else {
    --model_.LevelNumber;
    prompts_.ShowMessage("You have finished all levels.");
    screens_.ShowScreen(TitleScreen);
  }
}

void Course::OfferScoresInPlay() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (model_.Players[player].Lives > 0) highScores_.ReWriteHS(player);
  }
}

}  // namespace coilrun
