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

// The computers are part of the game: a replay keeps their seats, and its
// playback runs them again from those and the seeds instead of taking their
// keys as inputs. A command-line game after theirs has none of them.
TEST(ReplayPlayerTest, ComputersPlayAgainFromTheirSeatsAndACommandLineGameAfterThemHasNone) {
  TempDirectory directory("computers");
  const std::string file = directory.Write("one.lvl", {0xFF, 20, 10, 0xCE});
  HeadlessGame played;
  NewGameChoice choice;
  choice.PlayerCount = 2;
  choice.Seats.seat[2] = {SeatKind::Computer, Skill::Master};
  Autopilot person(1, 11);
  const auto play = [&](int beats) {
    for (int beat = 0; beat < beats && played.host.gameTimerOn; ++beat) {
      played.host.seed = 2000u + static_cast<std::uint32_t>(beat);
      Steer(person, played.game);
      played.game.TimerTimer();
    }
    played.game.Stop1Click();
    return *played.sessions.recorder().lastGame();
  };
  played.game.StartButtonClick(choice);
  const Replay withComputer = play(400);
  played.game.StartCommandLineGame(file);
  played.game.Pause1Click();
  const Replay afterwards = play(200);
  EXPECT_EQ(withComputer.computers, (std::array<std::uint8_t, 4>{0, 5, 0, 0}));
  EXPECT_EQ(afterwards.start, ReplayStart::CommandLine);
  for (const Replay* replay : {&withComputer, &afterwards}) {
    ASSERT_GE(replay->beats, 100u);
    HeadlessGame watched;
    ReplayPlayer player(watched.game, watched.parts, watched.sessions.sessionPorts(), watched.sessions.router(),
                        watched.host, directory / "level.lvl");
    ASSERT_TRUE(player.Start(*replay));
    for (int step = 0; step < 10000 && player.Step() == ReplayPlayer::State::Playing; ++step) {
    }
    EXPECT_EQ(player.state(), ReplayPlayer::State::Ended) << player.failure();
  }
}

}  // namespace
}  // namespace coilrun::testing
