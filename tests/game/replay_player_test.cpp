// A recorded game played again: to its end when nothing was changed, and
// stopped with a message at the first sign that it goes another way. Either
// way the watcher's own settings come back and no score reaches the table.
#include "game/replay_player.h"

#include <gtest/gtest.h>

#include "engine/autopilot.h"
#include "engine/rule_state.h"
#include "game/autopilot_keys.h"
#include "tests/support/headless_game.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

// Two autopilot snakes on the built-in levels with Long on, stopped after
// 400 beats.
Replay RecordedGame() {
  HeadlessGame played;
  played.game.options().SetLong(true);
  NewGameChoice choice;
  choice.PlayerCount = 2;
  played.game.StartButtonClick(choice);
  Autopilot first(1, 11), second(2, 12);
  for (int beat = 0; beat < 400 && played.host.gameTimerOn; ++beat) {
    played.host.seed = 1000u + static_cast<std::uint32_t>(beat);
    Steer(first, played.game);
    Steer(second, played.game);
    played.game.TimerTimer();
  }
  played.game.Stop1Click();
  return *played.sessions.recorder().lastGame();
}

TEST(ReplayPlayerTest, AnUntouchedRecordingPlaysToItsEndAndAChangedOneStopsWithAMessage) {
  const Replay recorded = RecordedGame();
  ASSERT_GE(recorded.checksums.size(), 3u);
  ASSERT_FALSE(recorded.seeds.empty());
  const struct {
    const char* change;
    void (*apply)(Replay&);
    ReplayPlayer::State end;
    std::string message;
  } cases[] = {
      {"nothing", [](Replay&) {}, ReplayPlayer::State::Ended, ""},
      {"the second checksum", [](Replay& r) { r.checksums[1] ^= 1; }, ReplayPlayer::State::Failed,
       "The replay went another way at beat 120: the game no longer matches its checksum."},
      {"a seed", [](Replay& r) { r.seeds[0] ^= 0x5555; }, ReplayPlayer::State::Failed,
       "The replay went another way at beat 60: the game no longer matches its checksum."},
      {"the seeds cut short", [](Replay& r) { r.seeds.resize(1); }, ReplayPlayer::State::Failed,
       "the game asked for more targets than were recorded"},
      {"a score", [](Replay& r) { r.finalScores[1] += 1; }, ReplayPlayer::State::Failed,
       "The replay went another way: its game does not end as it was recorded."},
  };
  TempDirectory directory("replay");
  for (const auto& c : cases) {
    Replay replay = recorded;
    c.apply(replay);
    HeadlessGame watched;
    watched.model.Players[1].Name = "Watcher";
    watched.model.Settings.Wrap = true;
    watched.model.Settings.Long = false;
    watched.game.options().SetSpeed(3);
    ReplayPlayer player(watched.game, watched.parts, watched.sessions.sessionPorts(), watched.sessions.router(),
                        watched.host, directory / "level.lvl");
    ASSERT_TRUE(player.Start(replay)) << c.change;
    EXPECT_TRUE(watched.model.Settings.Long) << c.change;
    EXPECT_EQ(watched.host.gameTimerOn, false) << "the window's own beat stays off: " << c.change;
    for (int step = 0; step < 10000 && player.Step() == ReplayPlayer::State::Playing; ++step) {
    }
    EXPECT_EQ(player.state(), c.end) << c.change;
    EXPECT_NE(player.failure().find(c.message), std::string::npos) << c.change << ": " << player.failure();
    EXPECT_EQ(watched.model.Players[1].Name, "Watcher") << c.change;
    EXPECT_TRUE(watched.model.Settings.Wrap) << c.change;
    EXPECT_FALSE(watched.model.Settings.Long) << c.change;
    EXPECT_EQ(watched.host.gameTimerInterval, GameTimerInterval(3)) << c.change;
    EXPECT_EQ(watched.host.highScores.writes, 0) << c.change;
    EXPECT_FALSE(watched.sessions.router().driven()) << c.change;
  }
}

}  // namespace
}  // namespace coilrun::testing
