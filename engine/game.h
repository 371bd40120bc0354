// The game: the rules and the course of a game, over the model it is given.
// It reaches the window only through Host and GameView.
//
// Read from the top: first what the window and its dialogs call, then the
// steps of the rules, each group under the steps that call it.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"
#include "game/competition_count.h"
#include "game/level_sources.h"

namespace coilrun {

// The effect sounds the rules ask for; the crash has its own Bump_Sound.
enum class SoundEffect { Target, Door, InOut, Rebound, Score, Life };

class Game {
 public:
  Game(GameModel& model, Host& host, GameView view);
  virtual ~Game() = default;

  GameModel& model() { return model_; }
  const GameModel& model() const { return model_; }
  LevelSources& levelSources() { return sources_; }

  // --- Called by the window and its dialogs ---

  // Start-up (level_loading.cpp, game_start.cpp).
  void CopyBuiltInLevels();
  void StartCommandLineGame(const std::string& levelFileName);

  // The game timer's beat (movement.cpp) and the report timer's tick; the
  // report panel decides what it moves.
  void TimerTimer();
  void ReportTimerTimer();

  // Key-down events: steering, P and Pause, Ctrl+F12 (movement.cpp).
  void FormKeyDown(int key, unsigned shift);

  // The new game dialog (game_start.cpp).
  void On_Start_Click(int level, const NewGameChoice& choice);
  // False when the level file could not be opened or read: the message has
  // been shown and the dialog stays open. A game that ends at once, on a file
  // with no levels, has started.
  bool StartButtonClick(const NewGameChoice& choice);

  // The Game menu: Pause, also P and Pause (course.cpp), and Stop
  // (game_end.cpp). The menus' own rules are in game/menu_state.h.
  void Pause1Click();
  void Stop1Click();

  // The game's part of closing the window (game_end.cpp).
  void ShutDown();

  // The options dialog's reset of the high score table
  // (high_score_entry.cpp): deletes the table; the next user writes the
  // default one. Redrawing the high score page, when it shows, is left to
  // the caller: the page reads the table again.
  void ResetHighScores();

  // --- The rules' own steps ---

  // One snake's part of the beat, also taken at once by a steering key
  // (movement.cpp).
  void StepSnake(int player);
  void MoveSnake(int player);
  void WrapCheck(int player);
  void ClearSnake(int player);
  void SnakeToBrick(int player);
  void RotateSnake(int key);
  // Ctrl+F12: asks for a built-in level and starts it (game_start.cpp).
  void Startlevel1Click();

  // Collisions and brick effects, after each move (collisions.cpp).
  void BumpCheck(int player);
  void Bump_2(int x, int y, int player);
  void Bump_3(int x, int y, int player);
  // True when the push was blocked and the pusher crashed.
  bool Bump_4(int x, int y, int player);
  void Bump_10(int x, int y, int player);
  void Bump_11(int x, int y, int player);
  void On_Bump(int crashCode);
  void On_Normal_Bump(int crashCode);
  void On_Competition_Bump(int crashCode);
  // Redraws one cell by the kind of brick it holds.
  void RedrawCell(int x, int y);

  // Numbered targets, when a head reaches one and at every level start
  // (targets.cpp).
  void NewNumber(int player);
  void NumberIncScore(int player);
  bool TargetCellFree() const;

  // The course of a game: level starts, finished levels and replays after a
  // death (course.cpp), and the end of a normal game (game_end.cpp).
  void PlaceSnakes();
  void StartLevel();
  void LevelFinished();
  void RestartAfterDeath();
  void Level_Done_Message();
  void OnEnd();

  // Deciding a competition after every play of a level (competition.cpp).
  void ExtendCompetition();
  void Comp_End();
  void Comp_ShowExtendedMessage();

  // The level sources as the course of a game uses them; file failures
  // become messages here (level_loading.cpp).
  bool OpenLevelFile(const std::string& name);
  void CloseLevelFile();
  void NextBuiltInLevel();
  // False when the file could not be read; the message has been shown.
  bool NextStreamLevel();
  bool NextGridLevel();

  // Sound requests (sound_requests.cpp).
  void Mute_Players();
  void Bump_Sound();
  void EffectSound(SoundEffect effect);
  // The music player's completion notification: a play that reached its end
  // starts over while Music is on; a stopped one stays stopped.
  void MusicPlayerNotify(bool reachedEnd);

  // High score table (high_score_entry.cpp). Virtual so that a test can see
  // who was offered.
  virtual void ReWriteHS(int player);

 private:
  // True while a player's snake may take the next part of its step.
  bool SnakeMayAct(int player) const;
  // The competition steps after a play of a level; true when it has ended.
  bool CompetitionEnded();
  // Replays the last level, or ends the game, once the level list is exhausted.
  void OnLevelsExhausted();
  // Loads the next level of the game's file and starts it; a failed read
  // shows its message, abandons the action and answers false.
  bool NextFileLevel(bool (LevelSources::*loadLevel)());
  // Shows a page in the board's place.
  void ShowScreen(void (ScreenView::*show)(), ScreenStateValue screen);
  // Every player in play, in player order, offers the score to the table.
  void OfferScoresInPlay();
  // Ends the game in play: timer off, scores offered, every player out.
  void RetirePlayers();
  // A game from a level file gives its file back.
  void CloseGameLevelFile();

  GameModel& model_;
  Host& host_;
  GameView view_;
  std::mt19937 random_;
  LevelSources sources_;
  CompetitionCount competition_;
};

}  // namespace coilrun
