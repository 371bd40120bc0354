// Replays in the window: the Game menu's "Save replay..." after a game and
// "Watch replay..." between games, the playback's own beat at normal speed,
// twice or four times as fast, or paused, and the command line's --record
// and --replay. Failures become message boxes here, like the window's own.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "game/game.h"
#include "game/game_sessions.h"
#include "game/prompts.h"
#include "game/replay_player.h"
#include "shell/beat_timer.h"

namespace coilrun {

// The game's messages during a replay: each closes itself after a while, so
// that a replay plays through on its own.
class ReplayMessages : public Prompts {
 public:
  explicit ReplayMessages(QWidget& window) : window_(window) {}
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void ShowFailure(const FileError& failure) override;
  void SetSpeedFactor(int factor) { speedFactor_ = factor; }

 private:
  QWidget& window_;
  int speedFactor_ = 1;
};

class ReplayControl : public QObject {
  Q_OBJECT

 public:
  // Adds its items below the Game menu's own, after a separator.
  ReplayControl(QWidget& window, QMenu& gameMenu, Game& game, GameParts& parts, GameSessions& sessions,
                Prompts& prompts);

  // Every game that ends is written to FILE, the next ones to FILE-2, FILE-3, ...
  void RecordEveryGameTo(const QString& file);
  // Starts watching a replay file; a file that is no replay of ours says so.
  bool Watch(const QString& file);
  bool SaveLastGame(const QString& file);
  bool watching() const { return player_ && player_->state() == ReplayPlayer::State::Playing; }
  ReplayPlayer* player() { return player_.get(); }

 private:
  void MenuShowing();
  void SaveReplayClick();
  void WatchReplayClick();
  void Tick();
  void Follow();
  void WriteRecording(const Replay& replay);

  QWidget& window_;
  Game& game_;
  GameParts& parts_;
  GameSessions& sessions_;
  Prompts& prompts_;
  ReplayMessages messages_;
  QTemporaryDir levelDirectory_;
  std::unique_ptr<ReplayPlayer> player_;
  BeatTimer timer_;
  bool inStep_ = false;
  QString recordFile_;
  int recorded_ = 0;
  QAction* saveItem_ = nullptr;
  QAction* watchItem_ = nullptr;
  std::array<QAction*, 3> speedItems_{};
};

}  // namespace coilrun
