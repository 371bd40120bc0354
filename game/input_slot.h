// Where the inputs of a game pass on their way in: keys, the Game and Help
// menus' commands, the options that change the rules, the beats and the
// starts. A tap plugged in here sees each one (a recorder notes it) and may
// take it over (a replay or a network game decides when, or whether, it
// reaches the game). With nothing plugged in, everything passes untouched.
#pragma once

#include <string>

#include "formats/game_inputs.h"
#include "formats/replay_file.h"
#include "game/new_game_choice.h"

namespace coilrun {

// How a game was started, with what the start was given.
struct GameStartRequest {
  ReplayStart start = ReplayStart::Dialog;
  int level = 1;  // a skip's built-in level
  NewGameChoice choice;
  std::string levelFile;  // the command line's file
};

enum class GameCommand { Start, ShutDown };

class InputTap {
 public:
  virtual ~InputTap() = default;

  // True when the tap takes the input: it does not reach the game now.
  virtual bool TakeInput(const GameInput& input) = 0;
  virtual bool TakeBeat() = 0;
  virtual void BeatDone() = 0;
  // A start command (the new game dialog, a skip, the command line) or the
  // window's closing.
  virtual bool TakeCommand(GameCommand command) = 0;
  // A game is set up, before anything of it reaches the model.
  virtual void GameStarting(const GameStartRequest& request) = 0;
  // The outermost input has been carried out; the game may have ended in it.
  virtual void InputDone() = 0;
};

class InputSlot {
 public:
  void Plug(InputTap* tap) { tap_ = tap; }

  // Marks one input on its way in for as long as it lives. Inputs that arrive
  // inside another (Stop pausing first, a key that pauses) are its
  // consequences: the tap neither sees nor takes them.
  class Entry {
   public:
    Entry(InputSlot& slot, bool taken) : slot_(slot), taken_(taken) { ++slot_.depth_; }
    ~Entry() {
      if (--slot_.depth_ == 0 && slot_.tap_ && !taken_) slot_.tap_->InputDone();
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    bool taken() const { return taken_; }

   private:
    InputSlot& slot_;
    bool taken_;
  };

  Entry Input(const GameInput& input) { return Entry(*this, Outermost() && tap_->TakeInput(input)); }
  Entry Beat() { return Entry(*this, Outermost() && tap_->TakeBeat()); }
  Entry Command(GameCommand command) { return Entry(*this, Outermost() && tap_->TakeCommand(command)); }
  void BeatDone() {
    if (depth_ == 1 && tap_) tap_->BeatDone();
  }
  void GameStarting(const GameStartRequest& request) {
    if (depth_ == 1 && tap_) tap_->GameStarting(request);
  }

 private:
  bool Outermost() const { return depth_ == 0 && tap_ != nullptr; }

  InputTap* tap_ = nullptr;
  int depth_ = 0;
};

}  // namespace coilrun
