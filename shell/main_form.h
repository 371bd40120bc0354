// The main window: the field, the report panel, the menus, the timers and
// the keys. It owns the game and carries out what the game asks of the
// window; its own work is the start-up and the shutdown.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "engine/game.h"
#include "engine/host.h"
#include "engine/model.h"
#include "present/presentation.h"
#include "shell/beat_timer.h"
#include "shell/high_score_file.h"
#include "shell/main_menu.h"
#include "shell/media_players.h"
#include "shell/new_form.h"
#include "shell/open_dialog.h"

namespace coilrun {

class TMainForm : public QMainWindow, public Host {
  Q_OBJECT

 public:
  // A non-empty level file name starts a game on that file, paused.
  TMainForm(const QString& dataDirectory, const QString& levelFileName, QWidget* parent = nullptr);
  ~TMainForm() override;

  GameModel& model() { return model_; }
  const Surfaces& surfaces() const { return presentation_->surfaces; }
  const MediaPlayers& players() const { return *players_; }

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override;
  void SetTimerEnabled(GameTimer timer, bool enabled) override;
  bool TimerEnabled(GameTimer timer) const override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;
  void MediaStop(MediaPlayer player) override;
  void MediaPlay(MediaPlayer player) override;
  void MediaPlayFromStart(MediaPlayer player) override;
  void ShowNewMenuItem() override;
  NewGameChoice NewGameControls() override;
  HighScoreStore& HighScores() override;
  std::uint32_t ClockSeed() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Start-up, one step each, in this order.
  void FormCreate();
  void FormFilePaths();
  void CreateHighScoreFile();
  void LoadSettingsFile();
  void CreateViewAndGame();
  void ExtractSounds();
  void LayOut();
  void StartMusic();
  void FillTablesAndLevels();
  void PreparePictureScreens();
  void StartCommandLineGame();
  void SetReportInterval();
  void CreateDialogs();

  // Shutdown, in this order.
  void FormClose();
  void EndGameOnBoard();
  void SaveSettingsFile();
  void DeleteSoundFiles();

  // The menus.
  void ConnectMenu();
  void Game1Click();
  void Help1Click();
  void New1Click();
  void Pause1Click();
  void Stop1Click();
  void Exit1Click();
  void Names1Click();
  void Options2Click();
  void View1Click();
  void Report1Click();
  void Other1Click();
  void BrickTypes1Click();
  void keys1Click();
  void HighScores1Click();
  void About1Click();

  std::filesystem::path dataDirectory_;
  QString commandLineLevelFile_;
  std::filesystem::path HighScoreFile;
  std::filesystem::path SettingsFile;
  GameModel model_;
  std::unique_ptr<Presentation> presentation_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<FileHighScores> highScores_;
  // Closed before the game goes, so that no notification reaches it after.
  std::unique_ptr<MediaPlayers> players_;
  // Children of the window, like its other components, so that they can be
  // found by name.
  BeatTimer Timer;
  QTimer ReportTimer;
  MainMenu MainMenu1;
  QWidget* BackShape = nullptr;
  QWidget* PaintBox = nullptr;
  QWidget* ReportShape = nullptr;
  QWidget* ReportCanvas = nullptr;
  LevelOpenDialog OpenDialog{this};
  TNewForm* NewForm = nullptr;
};

}  // namespace coilrun
