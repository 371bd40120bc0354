// The options dialog's changes to the game. Each takes effect at once, on
// the board and in the report panel, also while a game is in play behind the
// dialog; nothing is written before the program exits.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/sound_players.h"
#include "game/game_timers.h"
#include "game/high_score_offers.h"
#include "game/input_slot.h"
#include "game/screens.h"

namespace coilrun {

// What start-up found of the sound files: ready to play; no archive to take
// them from; or an archive or a device that failed.
enum class SoundFiles { Ready, ArchiveMissing, Unavailable };

class GameOptions {
 public:
  GameOptions(GameModel& model, GameView view, GameTimers& timers, SoundPlayers& sounds, Screens& screens,
              HighScoreOffers& highScores, InputSlot& inputs)
      : model_(model),
        view_(view),
        timers_(timers),
        sounds_(sounds),
        screens_(screens),
        highScores_(highScores),
        inputs_(inputs) {}

  // An empty name keeps the old one; a longer one keeps its first 15 characters.
  void SetPlayerName(int player, const std::string& name);
  void SetReEnterName(bool on);
  void SetPlayerColor(int player, Color color);
  // The field and the report panel are repainted whole on their new colour.
  void SetBackColor(Color color);
  void SetReportColor(Color color);
  void SetSnakeFrame(bool on);
  void SetBrickFrame(bool on);
  void SetMixBricksColors(bool on);
  void SetBrickColor(Color color);
  void SetShowMessages(bool on);
  void SetReportMode(std::uint8_t mode);
  void SetReportInterval(int milliseconds);
  void SetReportStep(int step);
  // Deletes the table; the high score page, when it shows, draws the
  // default one that the next reading writes.
  void ResetHighScores();
  void SetWrap(bool on);
  // On, the living snakes' bodies turn into bricks at once; off, during a
  // game, every snake is given a fresh length stacked on its head.
  void SetLong(bool on);
  void SetSounds(bool on);
  // The run is silent without sound files (NoSoundFiles). A missing archive
  // also switches Sounds and Music off, as the saved settings then show; a
  // damaged archive or a missing sound device leave them as they are, for
  // the next run may have sound again.
  void SetSoundFiles(SoundFiles files);
  void SetMusic(bool on);
  // The game timer's interval for speed 1..10, the speed and its value in
  // the report panel; also applied at every new game.
  void SetSpeed(int speed);

 private:
  // After a brick look changed: the bricks of a game in play, or the whole
  // paused game under its pause box.
  void RedrawBricksOfGame();

  GameModel& model_;
  GameView view_;
  GameTimers& timers_;
  SoundPlayers& sounds_;
  Screens& screens_;
  HighScoreOffers& highScores_;
  // The options that change what the rules do pass here as inputs of the game.
  InputSlot& inputs_;
};

}  // namespace coilrun
