// The game: every operation of the rules and of the course of a game, over
// the model it is given. It reaches the window only through Host and GameView.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <span>
#include <string>

#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"
#include "game/level_stream.h"

namespace coilrun {

// The effect sounds the rules ask for; the crash has its own Bump_Sound.
enum class SoundEffect { Target, Door, InOut, Rebound, Score, Life };

class Game {
 public:
  Game(GameModel& model, Host& host, GameView view);
  virtual ~Game() = default;

  GameModel& model() { return model_; }
  const GameModel& model() const { return model_; }

  // The beat and the steering (movement.cpp).
  void TimerTimer();
  // The report timer's tick; the report panel decides what it moves.
  void ReportTimerTimer();
  void MoveSnake(int player);
  void WrapCheck(int player);
  void ClearSnake(int player);
  void SnakeToBrick(int player);
  void StepSnake(int player);
  void RotateSnake(int key);
  void FormKeyDown(int key, unsigned shift);

  // Collisions and brick effects (collisions.cpp).
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

  // Sound requests (sound_requests.cpp).
  void Mute_Players();
  void Bump_Sound();
  void EffectSound(SoundEffect effect);

  // Numbered targets (targets.cpp).
  void NewNumber(int player);
  void NumberIncScore(int player);
  bool TargetCellFree() const;

  // Redraws one cell by the kind of brick it holds.
  void RedrawCell(int x, int y);

  // Course of a game (course.cpp).
  void PlaceSnakes();
  void StartLevel();
  void RestartAfterDeath();
  void LevelFinished();
  void Level_Done_Message();

  // Starting a game (game_start.cpp).
  void On_Start_Click(int level, const NewGameChoice& choice);
  // False when the level file could not be opened or read: the message has
  // been shown and the dialog stays open. A game that ends at once, on a file
  // with no levels, has started.
  bool StartButtonClick(const NewGameChoice& choice);
  void Startlevel1Click();
  void StartCommandLineGame(const std::string& levelFileName);
  void Pause1Click();
  void OnEnd();

  // Competitions (competition.cpp).
  int MaxWins() const;
  int MaxRoundScore() const;
  void AwardRoundWins();
  bool NobodyReachedTarget() const;
  void MarkTrailing();
  bool AtMostOneWinner() const;
  void ExtendCompetition();
  void EliminateTrailing();
  void Comp_End();
  void Comp_ShowExtendedMessage();

  // High score table (high_score_entry.cpp). Virtual so that a test can see
  // who was offered.
  virtual void ReWriteHS(int player);
  // Deletes the table; the next user writes the default one. Redrawing the
  // high score page, when it shows, is left to the caller: the page reads
  // the table again.
  void ResetHighScores();

  // Level sources (level_loading.cpp).
  void CopyBuiltInLevels();
  // Copies the given block instead of the program's own.
  void CopyBuiltInLevels(std::span<const std::uint8_t> block);
  std::int32_t BuiltInLevelStart(int level) const;
  void DecodeBuiltInLevel();
  void ClearGrid();
  bool OpenLevelFile(const std::string& name);
  void CloseLevelFile();
  void LoadStreamLevel();
  void LoadGridLevel();
  void NextBuiltInLevel();
  // False when the file could not be read; the message has been shown.
  bool NextStreamLevel();
  bool NextGridLevel();

  std::int32_t builtInPos() const { return BuiltInPos; }
  void setBuiltInPos(std::int32_t position) { BuiltInPos = position; }
  bool levelFileIsStream() const { return LevelFileIsStream; }

 private:
  // True while a player's snake may take the next part of its step.
  bool SnakeMayAct(int player) const;
  // PlayerCount, never beyond the four player records.
  int PlayersInGame() const;
  // The competition steps after a play of a level; true when it has ended.
  bool CompetitionEnded();

  GameModel& model_;
  Host& host_;
  GameView view_;
  std::mt19937 random_;

  // State of the rules and the course of a game.
  // Per player 1..4: dead or below the best RoundScore when last marked.
  // Kept from one competition to the next.
  std::array<std::uint8_t, kMaxPlayers + 1> TrailingMarks{};

  // State of the level sources.
  struct LevelFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using LevelFile = std::unique_ptr<std::FILE, LevelFileCloser>;

  // Opens the level file for the game as the format its size gave.
  void OpenLevelFileForGame(const std::string& name, bool isStream);
  // Replays the last level, or ends the game, once the level list is exhausted.
  void OnLevelsExhausted();
  // Loads the next level of the open file and starts it; a failed read
  // shows its message, abandons the action and answers false.
  bool NextFileLevel(std::FILE* file, void (Game::*loadLevel)());

  std::array<std::uint8_t, kBuiltInLevelCapacity> BuiltInLevelData{};
  // Every read first advances it, so -1 reads the block from its first byte.
  std::int32_t BuiltInPos = -1;
  bool LevelFileIsStream = false;
  LevelFile StreamLevelFile;
  LevelFile GridLevelFile;
};

}  // namespace coilrun
