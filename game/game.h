// The game as the window and its dialogs use it: the beat, the keys, the
// Game and Help menus' commands, the new game dialog's Start and the options'
// changes. It is the only writer of the model; the window and the views read it.
#pragma once

#include <string>

#include "engine/game_view.h"
#include "engine/model.h"
#include "game/game_options.h"
#include "game/game_parts.h"
#include "game/game_ports.h"
#include "game/new_game_choice.h"
#include "game/play_test.h"

namespace coilrun {

class Game {
 public:
  explicit Game(GameParts& parts) : parts_(parts) {}

  const GameModel& model() const { return parts_.model; }
  GameOptions& options() { return parts_.options; }

  // Start-up: the built-in levels into their buffer, the information pages
  // prepared (ending on the title), and a game on a level file named on the
  // command line, paused.
  void CopyBuiltInLevels() { parts_.sources.CopyBuiltInLevels(); }
  void PrepareInformationScreens() { parts_.screens.PrepareInformationScreens(); }
  void StartCommandLineGame(const std::string& levelFileName);
  // The level editor's play-test: a command-line game on the file, which
  // offers no score to the table; only when no game is in play. Once its
  // game is over, FinishPlayTestIfOver gives the settings back and is true.
  bool StartPlayTest(const std::string& levelFileName);
  bool FinishPlayTestIfOver();

  // The game timer's beat and the report timer's tick.
  // Before the snakes step, the computer players press their keys.
  void TimerTimer();
  void ReportTimerTimer() { parts_.screens.ReportTimerTimer(); }

  // Key-down events: P and Pause, then steering. A person's steering key
  // for a computer's seat does nothing.
  void FormKeyDown(int key, unsigned shift);
  // Ctrl+F12: asks for a built-in level and starts a game there with the
  // new game dialog's choices.
  void Startlevel1Click(const NewGameChoice& choice);

  // The new game dialog's Start. False when the level file could not be
  // opened or read: the failure has been shown and the dialog stays open. A
  // game that ends at once, on a file with no levels, has started.
  bool StartButtonClick(const NewGameChoice& choice);

  // The Game menu: Pause (also P and Pause) and Stop; the menus' own rules
  // are in game/menu_state.h.
  void Pause1Click();
  void Stop1Click();
  // The Help menu's pages: BrickTypesScreen, KeysScreen, HighScoreScreen, AboutScreen.
  void ShowHelpScreen(ScreenStateValue screen) {
    const auto entry = parts_.inputs.Input({InputKind::HelpScreen, 0, screen});
    if (!entry.taken()) parts_.screens.ShowScreen(screen);
  }

  // The game's part of closing the window: a game in play is ended as Stop
  // would end it.
  void ShutDown();

  // The music player's completion notification: a play that reached its end
  // starts over while Music is on; a stopped one stays stopped.
  void MusicPlayerNotify(bool reachedEnd);

 private:
  void On_Start_Click(int level, const NewGameChoice& choice);
  // Ends the game in play: timer off, scores offered, every player out.
  void RetirePlayers();
  // A game from a level file gives its file back.
  void CloseGameLevelFile();

  GameParts& parts_;
  PlayTest playTest_{parts_.model, parts_.highScores};
};

}  // namespace coilrun
