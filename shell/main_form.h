// The main window: the field, the report panel, the menus, the timers and
// the keys. It owns the game, carries out what the game asks of the window
// (boxes, timers) and is where every failure becomes a message box; its own
// work is the start-up and the shutdown.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <future>
#include <memory>

#include "engine/model.h"
#include "game/game.h"
#include "game/game_timers.h"
#include "game/prompts.h"
#include "present/game_icon.h"
#include "present/presentation.h"
#include "shell/beat_timer.h"
#include "shell/coilrun_ini.h"
#include "shell/editor/level_editor_launcher.h"
#include "shell/high_score_file.h"
#include "shell/main_menu.h"
#include "shell/media_players.h"
#include "shell/network_control.h"
#include "shell/new_form.h"
#include "shell/open_dialog.h"
#include "shell/options_form.h"
#include "shell/player_input.h"
#include "shell/replay_control.h"
#include "shell/sound_setup.h"
#include "shell/system_clock.h"

namespace coilrun {

class WindowZoom;

class MainForm : public QMainWindow, public Prompts, public GameTimers {
  Q_OBJECT

 public:
  // A non-empty level file name starts a game on that file, paused.
  MainForm(const QString& dataDirectory, const QString& levelFileName, QWidget* parent = nullptr);
  ~MainForm() override;

  const GameModel& model() const { return model_; }
  const Surfaces& surfaces() const { return presentation_->surfaces; }
  const MediaPlayers& players() const { return players_; }
  ReplayControl& replays() { return *replays_; }
  // The level editor, on the file when one is named; not while a game is in play.
  void OpenLevelEditor(const QString& levelFile);
  LevelEditorLauncher& levelEditor() { return *levelEditor_; }
  PlayerInput& input() { return *input_; }

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override;
  void ShowFailure(const FileError& failure) override;
  void SetTimerEnabled(GameTimer timer, bool enabled) override;
  bool TimerEnabled(GameTimer timer) const override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Start-up, one step each, in this order.
  void FormCreate();
  void FormFilePaths();
  void UnpackSoundsAhead();
  void CreateHighScoreFile();
  void LoadSettingsFile();
  void LoadExtraOptions();
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
  void SaveExtraOptions();
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

  // First, so that the icon is drawn while the rest is built.
  GameIconAhead iconAhead_;
  std::filesystem::path dataDirectory_;
  QString commandLineLevelFile_;
  std::filesystem::path highScoreFile_;
  std::filesystem::path settingsFile_;
  std::filesystem::path audioArchive_;
  std::unique_ptr<CoilrunIni> extraOptions_;
  // Taken by the sound step.
  std::future<SoundUnpackResult> soundsUnpacked_;
  GameModel model_;
  SystemClock clock_;
  std::unique_ptr<FileHighScores> highScores_;
  std::unique_ptr<Presentation> presentation_;
  std::unique_ptr<GameSessions> sessions_;
  std::unique_ptr<GameParts> gameParts_;
  std::unique_ptr<Game> game_;
  // Closed before the game goes, so that no notification reaches it after.
  MediaPlayers players_;
  // Children of the window, like its other components, so that they can be
  // found by name.
  BeatTimer timer_;
  QTimer reportTimer_;
  MainMenu menu_;
  QWidget* backShape_ = nullptr;
  QWidget* paintBox_ = nullptr;
  QWidget* reportShape_ = nullptr;
  QWidget* reportCanvas_ = nullptr;
  WindowZoom* zoom_ = nullptr;
  LevelOpenDialog openDialog_{this};
  OptionsForm* optionsForm_ = nullptr;
  NewForm* newForm_ = nullptr;
  ReplayControl* replays_ = nullptr;
  NetworkControl* network_ = nullptr;
  LevelEditorLauncher* levelEditor_ = nullptr;
  // Keys, pads and the pause on focus loss; gone before the game it presses keys into.
  std::unique_ptr<PlayerInput> input_;
};

}  // namespace coilrun
