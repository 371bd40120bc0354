// Network games on the loopback: two, three and four machines play long
// games of autopilot snakes and run the same rule state at every beat, and
// the host copes with a machine that is killed, one of another version and
// one that sends garbage. Every loop is bounded in time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "engine/keys.h"
#include "engine/rule_state.h"
#include "formats/net_messages.h"
#include "game/menu_state.h"
#include "game/replay_player.h"
#include "tests/net/network_games.h"
#include "tests/net/udp_relay.h"

namespace coilrun::testing {
namespace {

NetConfig FastConfig() {
  NetConfig config;
  config.paced = false;
  return config;
}

// Four-player games are the longest; competitions end soonest, so normal
// games with Wrap keep the snakes alive for the whole run.
NewGameChoice LongGame(int players) {
  NewGameChoice choice;
  choice.PlayerCount = players;
  return choice;
}

// The autopilots' keys reach the game a few beats after they were chosen,
// so snakes die now and then and a game may be over before the beats are
// done: another one follows, on new sessions, until they are.
TEST(LoopbackTest, TwoThreeAndFourMachinesRunTheSameGameAtEveryBeat) {
  const std::uint32_t kBeats = 20000;
  const int kMostGames = 30;
  for (int count = 2; count <= 4; ++count) {
    std::uint32_t played = 0;
    std::uint32_t agreed = 0;
    long checksumsAgreed = 0;
    long checksumsDue = 0;
    int gamesPlayed = 0;
    while (played < kBeats && gamesPlayed < kMostGames) {
      ++gamesPlayed;
      NetworkGames games(count, FastConfig(), "loopback");
      ASSERT_TRUE(games.Gather()) << count << " machines";
      for (auto& machine : games.machines()) machine->headless.game.options().SetWrap(true);
      ASSERT_TRUE(games.Start(LongGame(count))) << games.host().session->ending();
      games.Play(kBeats - played, 100);
      const std::uint32_t beats = games.host().session->beat();
      games.host().headless.game.Stop1Click();
      games.Drain(10);
      for (auto& machine : games.machines()) {
        EXPECT_EQ(machine->session->ending(), "") << count << " machines";
        EXPECT_EQ(machine->session->drops().total(), 0) << count << " machines";
      }
      EXPECT_EQ(games.BeatsAgreed(), games.host().session->beat()) << count << " machines";
      EXPECT_LE(games.host().session->keyDelay(), 3);
      played += beats;
      agreed += games.BeatsAgreed();
      checksumsAgreed += games.host().session->checksumsAgreed();
      // The last two checksums of a game may still be under way at its end.
      checksumsDue += (count - 1) * std::max(0L, static_cast<long>(beats / kReplayChecksumBeats) - 2);
    }
    std::cout << count << " machines: " << played << " beats in " << gamesPlayed << " games, the same rule state after "
              << agreed << " of them; checksums compared every 60 beats: " << checksumsAgreed << " agreed\n";
    EXPECT_GE(played, kBeats) << count << " machines";
    EXPECT_GE(checksumsAgreed, checksumsDue) << count << " machines";
  }
}

// Through the relay each packet takes 40 to 80 ms, one in ten is lost and
// some come twice or overtake others; runs of unacknowledged beats sent
// again and the key delay chosen from the round trip keep the machines
// together, and the last frames reach the others after the host's Stop.
// COILRUN_RELAY_BEATS runs it longer.
TEST(LoopbackTest, ThreeMachinesBehindALossySlowRelayRunTheSameGameAtEveryBeat) {
  const char* wanted = std::getenv("COILRUN_RELAY_BEATS");
  const std::uint32_t kBeats = wanted ? static_cast<std::uint32_t>(std::atol(wanted)) : 2000;
  NetworkGames games(3, FastConfig(), "relay");
  ASSERT_TRUE(games.host().session->Host("127.0.0.1", 0));
  UdpRelay relay(games.host().session->port(), 17);
  const double deadline = games.Now() + 10;
  for (std::size_t i = 1; i < games.machines().size(); ++i) {
    ASSERT_TRUE(games.machines()[i]->session->Join("127.0.0.1", relay.port()));
  }
  while (games.Now() < deadline && games.host().session->seatsTaken() < 3) {
    relay.Pump(games.Now());
    for (auto& machine : games.machines()) machine->session->Poll(games.Now());
  }
  ASSERT_EQ(games.host().session->seatsTaken(), 3);
  // ENet measures the round trip from its pings, every half second.
  const double measured = games.Now() + 2;
  while (games.Now() < measured) {
    relay.Pump(games.Now());
    for (auto& machine : games.machines()) machine->session->Poll(games.Now());
  }
  for (auto& machine : games.machines()) machine->headless.game.options().SetWrap(true);
  ASSERT_TRUE(games.Start(LongGame(3), [&] { relay.Pump(games.Now()); })) << games.host().session->ending();
  games.Play(kBeats, 150, [&] { relay.Pump(games.Now()); });
  const std::uint32_t played = games.host().session->beat();
  // Keys take effect a dozen beats after the autopilots chose them, so their
  // snakes crash often, and the game may be over before its time.
  const bool over = games.host().session->state() != NetSession::State::Playing;
  if (!over) games.host().headless.game.Stop1Click();
  // The host's game ends while its last frames are on their way, and they
  // are lost: the others must still reach its last beat.
  bool lost = false;
  games.Drain(10, [&] {
    if (!lost && games.host().session->state() == NetSession::State::Over) {
      relay.LoseWhatTheHostSent(games.Now());
      lost = true;
    }
    relay.Pump(games.Now());
  });
  const std::uint32_t agreed = games.BeatsAgreed();
  std::cout << "relay: " << played << " beats, the same rule state after " << agreed << "; "
            << games.host().session->checksumsAgreed() << " checksums agreed; key delay "
            << games.host().session->keyDelay() << " beats; " << relay.forwarded << " packets forwarded, "
            << relay.dropped << " dropped, " << relay.duplicated << " sent twice\n";
  EXPECT_TRUE(played >= kBeats || over) << played << " beats";
  EXPECT_GE(played, kBeats / 4);
  EXPECT_TRUE(lost);
  EXPECT_EQ(agreed, games.host().session->beat()) << "every machine ran to the host's last beat";
  EXPECT_GT(games.host().session->keyDelay(), 3) << "chosen from a round trip of 80 ms and more";
  EXPECT_GT(relay.dropped, 0);
  EXPECT_GT(relay.duplicated, 0);
  for (auto& machine : games.machines()) {
    EXPECT_EQ(machine->session->ending(), "");
    EXPECT_EQ(machine->session->drops().total(), 0);
  }
}

TEST(LoopbackTest, AKilledMachineIsWaitedForThenTheComputerPlaysItsSnakeAndTheGameGoesOn) {
  NetConfig config = FastConfig();
  config.waitSeconds = 0.2;
  config.retireSeconds = 1;
  const std::uint32_t kKilledAt = 600;
  // The autopilots' late keys lose a game's fifteen lives before the kill
  // in about one game of six: another game follows, on new sessions.
  std::unique_ptr<NetworkGames> played;
  for (int attempt = 0; attempt < 6 && !played; ++attempt) {
    auto games = std::make_unique<NetworkGames>(3, config, "killed");
    ASSERT_TRUE(games->Gather());
    // With Wrap the killed machine's snake goes on alone until the computer
    // takes it over.
    for (auto& machine : games->machines()) machine->headless.game.options().SetWrap(true);
    ASSERT_TRUE(games->Start(LongGame(3)));
    games->Play(kKilledAt, 30);
    if (games->host().session->beat() >= kKilledAt) played = std::move(games);
  }
  ASSERT_TRUE(played) << "no game lasted " << kKilledAt << " beats";
  NetworkGames& games = *played;
  const std::uint32_t killedAt = games.host().session->beat();
  NetMachine& killed = *games.machines()[2];
  killed.session->Vanish();
  killed.polled = false;
  bool waited = false;
  games.Play(100000, 5, [&] { waited = waited || games.machines()[1]->session->waitingFor() == "M2"; });
  const std::uint32_t beats = games.host().session->beat();
  const GameModel& model = games.host().headless.model;
  const bool lostEveryLife = std::all_of(model.Players.begin() + 1, model.Players.begin() + 4,
                                         [](const PlayerState& player) { return player.Lives == 0; });
  EXPECT_TRUE(waited) << "the others were told whom they wait for";
  // Its inputs already sent cover the key delay's beats after the kill.
  const std::uint32_t itsLastBeat = killedAt + static_cast<std::uint32_t>(games.host().session->keyDelay());
  EXPECT_TRUE(beats > 2 * kKilledAt || (beats > itsLastBeat && lostEveryLife))
      << beats << " beats: the game went on after the killed machine left";
  for (int machine = 0; machine < 2; ++machine) {
    EXPECT_TRUE(games.machines()[machine]->headless.parts.computers.seats().IsComputer(3)) << machine;
    EXPECT_EQ(games.machines()[machine]->session->ending(), "");
  }
  EXPECT_GE(games.BeatsAgreed(), beats - 1);
  ASSERT_FALSE(games.host().session->notices().empty());
  EXPECT_EQ(games.host().session->notices().back(), "M2 went silent; the computer plays on in their place.");

  // The host's recording of the game plays again to the same end, the
  // computer's play in the snake's place included.
  games.host().headless.game.Stop1Click();
  games.Drain(5);
  const auto& recorded = games.host().headless.sessions.recorder().lastGame();
  ASSERT_TRUE(recorded.has_value());
  HeadlessGame watched;
  TempDirectory directory("killed-replay");
  ReplayPlayer player(watched.game, watched.parts, watched.sessions.sessionPorts(), watched.sessions.router(),
                      watched.host, directory / "level.lvl");
  ASSERT_TRUE(player.Start(*recorded));
  for (std::uint32_t step = 0; step <= recorded->beats && player.Step() == ReplayPlayer::State::Playing; ++step) {
  }
  EXPECT_EQ(player.state(), ReplayPlayer::State::Ended) << player.failure();
}

// A message box is a poll inside a beat, for as long as the player takes:
// the machine showing it is waited for, not dropped, and an end that comes
// meanwhile waits for the box to close rather than stopping the game under
// the beat, which would then start the next round as if nothing happened.
TEST(LoopbackTest, AMachineInAMessageBoxIsWaitedForAndAnEndMeanwhileWaitsForTheBox) {
  NetConfig config = FastConfig();
  config.waitSeconds = 0.2;
  config.retireSeconds = 1;
  NetworkGames games(2, config, "message");
  ASSERT_TRUE(games.Gather());
  for (auto& machine : games.machines()) machine->headless.game.options().SetWrap(true);
  // In a competition every death ends a round with a box, and the round
  // that follows starts under it.
  NewGameChoice competition = LongGame(2);
  competition.Competition = true;
  competition.WinsTarget = kMaxWinsTarget;
  ASSERT_TRUE(games.Start(competition));
  NetMachine& joiner = *games.machines()[1];
  int boxes = 0;
  bool waited = false;
  joiner.headless.host.whileShown = [&](const std::string&) {
    // The keys reach the game a few beats after the autopilots chose them,
    // so snakes die soon and often.
    if (boxes >= 2) return;
    ++boxes;
    if (boxes == 2) games.host().session->Leave();
    const double closed = games.Now() + (boxes == 1 ? 1.5 : 0.5);
    while (games.Now() < closed) {
      for (auto& machine : games.machines()) machine->session->Poll(games.Now());
      waited = waited || games.host().session->waitingFor() == "M1";
    }
  };
  games.Play(1000000, 30);
  games.Drain(5);
  ASSERT_EQ(boxes, 2) << "two messages in half a minute of play";
  EXPECT_TRUE(waited);
  EXPECT_TRUE(games.host().session->notices().empty()) << games.host().session->notices().front();
  EXPECT_EQ(joiner.session->state(), NetSession::State::Over);
  EXPECT_EQ(joiner.session->ending(), "The host has left the game.");
  EXPECT_FALSE(GameInPlay(joiner.headless.model));
}

TEST(LoopbackTest, AMachineOfAnotherVersionIsRefusedWithAMessageOnBothSides) {
  NetworkGames games(1, FastConfig(), "version");
  ASSERT_TRUE(games.host().session->Host("127.0.0.1", 0));
  HeadlessGame other;
  NetConfig config = FastConfig();
  config.protocol = 99;
  NetSession joiner(other.game, other.parts, other.sessions, "/nonexistent/level.lvl", config);
  ASSERT_TRUE(joiner.Join("127.0.0.1", games.host().session->port()));
  const double deadline = games.Now() + 10;
  while (games.Now() < deadline && joiner.state() != NetSession::State::Over) {
    games.host().session->Poll(games.Now());
    joiner.Poll(games.Now());
  }
  EXPECT_EQ(joiner.ending(), "The host plays version " + std::to_string(kNetProtocolVersion) + " (rules " +
                                 std::to_string(kRulesVersion) + "); this machine plays version 99 (rules " +
                                 std::to_string(kRulesVersion) + ").");
  ASSERT_EQ(games.host().session->notices().size(), 1u);
  EXPECT_EQ(games.host().session->notices()[0], "A machine of version 99 (rules " + std::to_string(kRulesVersion) +
                                                    ") was refused: this one plays version " +
                                                    std::to_string(kNetProtocolVersion) + " (rules " +
                                                    std::to_string(kRulesVersion) + ").");
  EXPECT_EQ(games.host().session->seatsTaken(), 1);
}

TEST(LoopbackTest, GarbageAndForgedInputsAreDroppedAndCountedAndTheGameGoesOn) {
  NetworkGames games(2, FastConfig(), "garbage");
  ASSERT_TRUE(games.Gather());
  for (auto& machine : games.machines()) machine->headless.game.options().SetWrap(true);
  ASSERT_TRUE(games.Start(LongGame(2)));
  EnetLink stranger;
  ASSERT_TRUE(stranger.Connect("127.0.0.1", games.host().session->port()));
  std::mt19937 random(5);
  NetMessage forged;
  forged.type = NetType::Inputs;
  forged.beat = 50;
  forged.beats = {{{InputKind::Key, 0, VkLeft}}};
  int sent = 0;
  games.Play(3000, 60, [&] {
    while (auto event = stranger.Service()) {
    }
    // Ten at a time, all sent while the game is young: a game whose snakes
    // lose their lives soon is over before two hundred rounds of polls.
    for (int burst = 0; burst < 10 && sent < 200; ++burst, ++sent) {
      std::vector<std::uint8_t> garbage(1 + random() % 300);
      for (auto& byte : garbage) byte = static_cast<std::uint8_t>(random());
      stranger.Send(nullptr, garbage);
      if (sent % 50 == 0) stranger.Send(nullptr, EncodeNetMessage(forged));
      if (sent % 50 == 1) stranger.Send(nullptr, std::vector<std::uint8_t>(kLargestNetMessage + 1, 0xC5));
    }
    stranger.Flush();
  });
  const std::uint32_t beats = games.host().session->beat();
  const DropCounts& drops = games.host().session->drops();
  std::cout << "dropped: " << drops.malformed << " malformed, " << drops.unknown << " from an unknown machine, "
            << drops.oversized << " oversized\n";
  // The game ends only by itself: after its beats, or sooner when the
  // snakes, steered a few beats late, have lost their lives.
  EXPECT_TRUE(beats >= 3000u || !GameInPlay(games.host().headless.model)) << beats << " beats";
  for (auto& machine : games.machines()) EXPECT_EQ(machine->session->ending(), "");
  EXPECT_GE(games.BeatsAgreed(), beats - 1);
  EXPECT_GE(drops.malformed, 150);
  EXPECT_GE(drops.unknown, 1);
  EXPECT_GE(drops.oversized, 1);
  EXPECT_EQ(games.machines()[1]->session->drops().total(), 0);
}

}  // namespace
}  // namespace coilrun::testing
