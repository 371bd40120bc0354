#include "game/game_options.h"

namespace coilrun {

void GameOptions::SetPlayerName(int player, const std::string& name) {
  if (name.empty()) return;
  model_.Players[player].Name = name.substr(0, kMaxNameLength);
}

void GameOptions::SetReEnterName(bool on) { model_.Settings.ReEnterName = on; }

void GameOptions::SetPlayerColor(int player, Color color) {
  const auto entry = inputs_.Input({InputKind::PlayerColor, static_cast<std::uint8_t>(player), color});
  if (entry.taken()) return;
  model_.Players[player].Color = color;
  if (model_.ScreenState == BoardScreen && model_.Players[player].Lives > 0) view_.board.DrawWholeSnake(player);
  if (model_.ScreenState == PauseScreen) view_.screens.RepaintBoard();
}

// The field has no background of its own: it is the frame's colour showing
// through, so the whole field is painted again, on the new colour.
void GameOptions::SetBackColor(Color color) {
  model_.Settings.BackColor = color;
  view_.screens.RepaintBoard();
}

void GameOptions::SetReportColor(Color color) {
  model_.Settings.ReportColor = color;
  view_.report.RepaintReport();
}

void GameOptions::SetSnakeFrame(bool on) {
  model_.Settings.SnakeFrame = on;
  if (model_.ScreenState == BoardScreen) {
    for (int player = 1; player <= PlayersInGame(model_.Settings); ++player) {
      if (model_.Players[player].Lives > 0) view_.board.DrawWholeSnake(player);
    }
  }
  if (model_.ScreenState == PauseScreen) view_.screens.RepaintBoard();
}

void GameOptions::RedrawBricksOfGame() {
  if (model_.ScreenState == BoardScreen) view_.board.DrawBricks();
  if (model_.ScreenState == PauseScreen) view_.screens.RepaintBoard();
}

void GameOptions::SetBrickFrame(bool on) {
  model_.Settings.BrickFrame = on;
  RedrawBricksOfGame();
}

void GameOptions::SetMixBricksColors(bool on) {
  const auto entry = inputs_.Input({InputKind::MixBricksColors, 0, on});
  if (entry.taken()) return;
  model_.Settings.MixBricksColors = on;
  RedrawBricksOfGame();
}

void GameOptions::SetBrickColor(Color color) {
  const auto entry = inputs_.Input({InputKind::BrickColor, 0, color});
  if (entry.taken()) return;
  model_.Settings.BrickColors[0] = color;
  RedrawBricksOfGame();
}

void GameOptions::SetShowMessages(bool on) { model_.Settings.ShowMessages = on; }

void GameOptions::SetReportMode(std::uint8_t mode) { screens_.SetReportMode(mode); }

void GameOptions::SetReportInterval(int milliseconds) {
  timers_.SetTimerInterval(GameTimer::Report, milliseconds);
  model_.Settings.ReportInterval = milliseconds;
}

void GameOptions::SetReportStep(int step) { model_.Settings.ReportStep = static_cast<std::uint8_t>(step); }

void GameOptions::ResetHighScores() {
  highScores_.ResetHighScores();
  if (model_.ScreenState == HighScoreScreen) view_.screens.RedrawHighScoresAfterReset();
}

void GameOptions::SetWrap(bool on) {
  const auto entry = inputs_.Input({InputKind::Wrap, 0, on});
  if (entry.taken()) return;
  model_.Settings.Wrap = on;
  view_.report.ShowWrap();
}

// Neither change draws: bricks laid from a body look like the body, and a
// stacked body unrolls behind the head as the snake moves on. The bricks
// laid while Long was on stay where they are.
void GameOptions::SetLong(bool on) {
  const auto entry = inputs_.Input({InputKind::Long, 0, on});
  if (entry.taken()) return;
  model_.Settings.Long = on;
  const int playerCount = PlayersInGame(model_.Settings);
  if (on) {
    for (int player = 1; player <= playerCount; ++player) {
      const PlayerState& snake = model_.Players[player];
      if (snake.Lives <= 0) continue;
      for (int k = 1; k <= snake.Length - 1; ++k) {
        BoardCell& cell = model_.LevelGrid.at(snake.BodyX[k], snake.BodyY[k]);
        cell.Occupied = 1;
        cell.Content = static_cast<std::int32_t>(snake.Color);
        cell.Extra[0] = SnakeBrickMark;
      }
    }
    return;
  }
  if (model_.ScreenState != BoardScreen && model_.ScreenState != PauseScreen) return;
  const int targetNumber = model_.TargetNumber;
  for (int player = 1; player <= playerCount; ++player) {
    PlayerState& snake = model_.Players[player];
    snake.Length = (targetNumber * targetNumber / 2) / playerCount + kStartLength;
    for (int k = 2; k <= snake.Length; ++k) {
      snake.BodyX[k] = snake.BodyX[1];
      snake.BodyY[k] = snake.BodyY[1];
    }
    model_.LevelGrid.at(snake.BodyX[snake.Length], snake.BodyY[snake.Length]).Occupied = 0;
  }
}

void GameOptions::SetSounds(bool on) { model_.Settings.Sounds = on; }

void GameOptions::SetSoundFiles(SoundFiles files) {
  model_.Settings.NoSoundFiles = files != SoundFiles::Ready;
  if (files != SoundFiles::ArchiveMissing) return;
  model_.Settings.Sounds = false;
  model_.Settings.Music = false;
}

void GameOptions::SetMusic(bool on) {
  model_.Settings.Music = on;
  if (on)
    sounds_.Play(SoundPlayer::Music);
  else
    sounds_.Stop(SoundPlayer::Music);
}

void GameOptions::SetSpeed(int speed) {
  const auto entry = inputs_.Input({InputKind::Speed, 0, static_cast<std::uint32_t>(speed)});
  if (entry.taken()) return;
  timers_.SetTimerInterval(GameTimer::Game, GameTimerInterval(speed));
  model_.Settings.Speed = speed;
  view_.report.ShowSpeed();
}

}  // namespace coilrun
