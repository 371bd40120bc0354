// The soak's autopilot games, each played again from nothing but what its
// recording kept, through the replay file format: the rule state must be
// the same after every beat, in every mix the soak plays.
#include <gtest/gtest.h>

#include "engine/rule_state.h"
#include "formats/replay_file.h"
#include "game/replay_player.h"
#include "tests/soak/soak.h"
#include "tests/support/headless_game.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

TEST(DeterminismTest, SoakGamesPlayedAgainFromTheirRecordingsMatchAfterEveryBeat) {
  Soak soak(20260321, COILRUN_SAMPLES_DIR);
  soak.KeepRecordings();
  soak.Run(15000, 250);
  ASSERT_TRUE(soak.breaches().empty()) << soak.breaches().front();
  TempDirectory directory("determinism");

  long beats = 0, competitions = 0, wrap = 0, longGames = 0, files = 0, skips = 0, ended = 0;
  for (const RecordedGame& recorded : soak.recordings()) {
    const auto decoded = DecodeReplay(EncodeReplay(recorded.replay), kRulesVersion);
    ASSERT_TRUE(std::holds_alternative<Replay>(decoded)) << std::get<FileError>(decoded).text();
    const Replay& replay = std::get<Replay>(decoded);
    ASSERT_EQ(replay, recorded.replay);

    HeadlessGame replayed;
    ReplayPlayer player(replayed.game, replayed.parts, replayed.sessions.sessionPorts(), replayed.sessions.router(),
                        replayed.host, directory / "level.lvl");
    ASSERT_TRUE(player.Start(replay)) << player.failure();
    const bool wrapOn = replayed.model.Settings.Wrap;
    const bool longOn = replayed.model.Settings.Long;
    std::uint32_t beat = 0;
    while (player.Step() == ReplayPlayer::State::Playing) {
      if (player.beat() == beat) continue;
      beat = player.beat();
      ASSERT_LE(beat, recorded.checksums.size());
      ASSERT_EQ(RuleChecksum(replayed.model), recorded.checksums[beat - 1])
          << "game " << &recorded - soak.recordings().data() + 1 << ", beat " << beat;
    }
    ASSERT_EQ(player.state(), ReplayPlayer::State::Ended)
        << player.failure() << " (game " << &recorded - soak.recordings().data() + 1 << ")";
    EXPECT_EQ(beat, recorded.checksums.size());
    beats += beat;
    competitions += replay.competition ? 1 : 0;
    wrap += wrapOn ? 1 : 0;
    longGames += longOn ? 1 : 0;
    files += replay.levelFile.empty() ? 0 : 1;
    skips += replay.start == ReplayStart::SkipLevel ? 1 : 0;
    ended += replay.ended ? 1 : 0;
  }
  std::cout << soak.recordings().size() << " games, " << beats << " beats replayed: " << competitions
            << " competitions, " << wrap << " with Wrap, " << longGames << " with Long, " << files << " on files, "
            << skips << " skipped to a level, " << ended << " played to their end\n";
  EXPECT_GT(competitions, 0);
  EXPECT_GT(soak.recordings().size() - competitions, 0u);
  EXPECT_GT(wrap, 0);
  EXPECT_GT(longGames, 0);
  EXPECT_GT(files, 0);
  EXPECT_GT(skips, 0);
  EXPECT_GT(ended, 0);
}

}  // namespace
}  // namespace coilrun::testing
