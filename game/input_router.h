// The tap the game's inputs pass through: each one is recorded, unless a
// driver (a replay, a network game) runs the game in the players' place. The
// driver then takes the live inputs and hands the game its own through Apply.
#pragma once

#include <utility>

#include "game/game_recorder.h"
#include "game/input_slot.h"

namespace coilrun {

class InputDriver {
 public:
  virtual ~InputDriver() = default;
  // An input from the window, a computer player or the options while the
  // driver runs the game; true when the driver takes it (it may pass it on
  // later, or refuse it).
  virtual bool TakeLiveInput(const GameInput& input) = 0;
  virtual bool TakeLiveCommand(GameCommand command) = 0;
};

class InputRouter : public InputTap {
 public:
  explicit InputRouter(GameRecorder& recorder) : recorder_(recorder) {}

  // Records every input, or stops doing so (a replay is not recorded again).
  void SetRecording(bool on) { recording_ = on; }
  bool recordingOn() const { return recording_; }
  void Drive(InputDriver* driver) { driver_ = driver; }
  bool driven() const { return driver_ != nullptr; }

  // The driver's own inputs: whatever `apply` hands the game passes in, and
  // is recorded.
  template <class Inputs>
  void Apply(Inputs&& apply) {
    const bool was = applying_;
    applying_ = true;
    std::forward<Inputs>(apply)();
    applying_ = was;
  }

  bool TakeInput(const GameInput& input) override;
  bool TakeBeat() override { return driver_ && !applying_; }
  void BeatDone() override {
    if (recording_) recorder_.BeatDone();
  }
  bool TakeCommand(GameCommand command) override;
  void GameStarting(const GameStartRequest& request) override {
    if (recording_) recorder_.GameStarting(request);
  }
  void InputDone() override {
    if (recording_) recorder_.InputDone();
  }

 private:
  GameRecorder& recorder_;
  InputDriver* driver_ = nullptr;
  bool recording_ = true;
  bool applying_ = false;
};

}  // namespace coilrun
