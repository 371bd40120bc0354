// The course of a game: level starts, finished levels, replays after a
// death, the level message, pausing and the skip-level prompt.
#include <algorithm>
#include <string>

#include "engine/game.h"

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
// Levels of a file are numbered from 101 and announced from 1.
constexpr int kFileLevelOffset = kFirstFileLevel - 1;

}  // namespace

// All four are placed whatever PlayerCount is, so the first target keeps
// clear of every start cell.
void Game::PlaceSnakes() {
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

void Game::StartLevel() {
  model_.ScreenState = BoardScreen;
  model_.LevelBackup = model_.LevelGrid;
  view_.board.ClearBoard();
  view_.board.DrawBricks();
  model_.TargetNumber = 0;
  PlaceSnakes();
  NewNumber(kNoPlayer);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    PlayerState& snake = model_.Players[player];
    if (snake.Lives == 0) snake.Length = 0;
    snake.RoundScore = 0;
  }
  host_.SetTimerEnabled(GameTimer::Game, true);
  view_.report.ClearReport();
  view_.report.RepaintReport();
}

void Game::RestartAfterDeath() {
  if (model_.Settings.Competition && CompetitionEnded()) return;
  model_.LevelGrid = model_.LevelBackup;
  StartLevel();
}

void Game::LevelFinished() {
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
  host_.SetTimerEnabled(GameTimer::Game, false);
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
  } else if (sources_.levelFileIsStream()) {
    NextStreamLevel();
  } else {
    NextGridLevel();
  }
}

void Game::Level_Done_Message() {
  if (!model_.Settings.ShowMessages) return;
  if (!model_.Settings.Competition) {
    if (model_.LevelNumber < 1) return;
    const int shownNumber =
        model_.LevelNumber > kFileLevelOffset ? model_.LevelNumber - kFileLevelOffset : model_.LevelNumber;
    host_.ShowMessage("Level " + std::to_string(shownNumber) + " finished.");
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
    host_.ShowMessage("No winners.");
  } else if (winners == 1) {
    host_.ShowMessage("Winner of this level is " + names + ".");
  } else {
    host_.ShowMessage("Winners of this level are " + names + ".");
  }
}

void Game::Pause1Click() {
  if (host_.TimerEnabled(GameTimer::Game)) {
    model_.ScreenState = PauseScreen;
    host_.SetTimerEnabled(GameTimer::Game, false);
    model_.Settings.Paused = true;
    view_.screens.DrawPauseBox();
  } else if (model_.Settings.Paused) {
    // A help screen may cover the paused board.
    if (model_.ScreenState != PauseScreen) view_.board.ClearBoard();
    model_.ScreenState = BoardScreen;
    model_.Settings.Paused = false;
    host_.SetTimerEnabled(GameTimer::Game, true);
    view_.screens.ErasePauseBox();
  }
}

}  // namespace coilrun
