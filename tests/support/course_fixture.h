// Whole games on the fake host, from the start of a game to its end, with
// every transition held against the state table of the course of a game.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_parts.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fixture.h"
#include "tests/support/recording_view.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {

// The rows of the state table; Idle also covers a game that has ended.
enum class CourseState { Idle, Running, Paused, BetweenLevels, Unlisted };

CourseState CourseStateOf(const GameModel& model, bool gameTimerOn);
void PrintTo(CourseState state, std::ostream* out);

// Notes the state of the course at every message box.
class StateWatchingHost : public FakeHost {
 public:
  explicit StateWatchingHost(const GameModel& model) : model_(model) {}
  void ShowMessage(const std::string& text) override;

  std::vector<CourseState> statesAtMessage;

 private:
  const GameModel& model_;
};

class CourseFixture : public ::testing::Test {
 protected:
  CourseFixture();

  CourseState State() const { return CourseStateOf(model, host.gameTimerOn); }
  // As a head reaching the ninth target of the level in play.
  void EatNinthTarget(int player);
  // A stream level file of `levels` levels without bricks.
  std::string WriteLevelFile(const std::string& name, int levels) const;
  static NewGameChoice FileGame(const std::string& file) { return {.BuiltIn = false, .LevelFile = file}; }
  // The players offered to the high score table so far, in order: every
  // score ranks in the fixture's table, so each offer asks for a name.
  std::vector<int> Offered() const;

  GameModel model;
  StateWatchingHost host{model};
  RecordingView view{model};
  GameParts parts{model, view.views(), host.ports()};
  Game game{parts};
  TempDirectory directory{"coilrun-course"};
};

}  // namespace coilrun::testing
