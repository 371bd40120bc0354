#include "shell/media_players.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "game/game.h"
#include "shell/sound_library_messages.h"
#include "tests/shell/test_sounds.h"
#include "tests/support/fake_host.h"
#include "tests/support/recording_view.h"
#include "tests/support/temp_directory.h"
#include "tools/game_sounds.h"

namespace coilrun::testing {
namespace {

using Finished = std::pair<SoundPlayer, bool>;
using Texts = std::vector<std::string>;

// The rules' sound requests, recorded and carried out by real players.
class PlayingRecorder : public SoundPlayers {
 public:
  explicit PlayingRecorder(MediaPlayers& players) : players_(players) {}
  void Stop(SoundPlayer player) override {
    requests.push_back("stop " + SoundPlayerName(player));
    players_.Stop(player);
  }
  void Play(SoundPlayer player) override {
    requests.push_back("play " + SoundPlayerName(player));
    players_.Play(player);
  }
  void PlayFromStart(SoundPlayer player) override {
    requests.push_back("start " + SoundPlayerName(player));
    players_.PlayFromStart(player);
  }

  std::vector<std::string> requests;

 private:
  MediaPlayers& players_;
};

class MediaPlayersTest : public ::testing::Test {
 protected:
  MediaPlayersTest() {
    QObject::connect(&players, &MediaPlayers::PlayFinished, [this](SoundPlayer player, bool reachedEnd) {
      finished.emplace_back(player, reachedEnd);
      if (player == SoundPlayer::Music) game.MusicPlayerNotify(reachedEnd);
    });
    model.Settings.Sounds = true;
  }

  // Music read ahead opens a device of its own, which would write into the
  // disk driver's capture file too.
  // The device sleeps at once after the opening; a capture starts once its
  // close is over.
  void Open(const AudioEntries& sounds, MusicOutput::Loading music = MusicOutput::Loading::AtFirstStart) {
    WriteSoundFiles(directory.path(), sounds);
    ASSERT_TRUE(players.Open(directory.path(), music).empty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return players.deviceSettled(); }, 3'000));
  }

  bool WaitFor(Finished notification, int count = 1, int milliseconds = 10'000) {
    return QTest::qWaitFor([&] { return std::count(finished.begin(), finished.end(), notification) >= count; },
                           milliseconds);
  }

  TempDirectory directory{"coilrun-media"};
  MediaPlayers players;
  std::vector<Finished> finished;
  GameModel model;
  FakeHost host;
  PlayingRecorder recorder{players};
  RecordingView view{model};
  GameParts parts{model, view.views(), {host, host, recorder, host.highScores, host}};
  Game game{parts};
  SoundRequests sounds{model, recorder};
};

TEST_F(MediaPlayersTest, PlayAfterAStopGoesOnAndPlayAtTheEndStartsOver) {
  const auto capture = directory / "capture.raw";
  AudioDriver disk("disk", capture);
  Open(TestSounds(1.0));

  players.PlayFromStart(SoundPlayer::BonusBrick);
  QTest::qWait(300);
  players.Stop(SoundPlayer::BonusBrick);
  EXPECT_FALSE(players.Sounding(SoundPlayer::BonusBrick));
  ASSERT_TRUE(WaitFor({SoundPlayer::BonusBrick, false}));
  QTest::qWait(200);
  players.Play(SoundPlayer::BonusBrick);
  ASSERT_TRUE(WaitFor({SoundPlayer::BonusBrick, true}));
  EXPECT_FALSE(players.Sounding(SoundPlayer::BonusBrick));

  players.Play(SoundPlayer::BonusBrick);
  EXPECT_TRUE(players.Sounding(SoundPlayer::BonusBrick));
  ASSERT_TRUE(WaitFor({SoundPlayer::BonusBrick, true}, 2));
  players.Close();
  EXPECT_EQ(finished,
            (std::vector<Finished>{
                {SoundPlayer::BonusBrick, false}, {SoundPlayer::BonusBrick, true}, {SoundPlayer::BonusBrick, true}}));
  // Two whole plays of one second, give or take a few mixer buffers; the
  // stopped play did not start over.
  EXPECT_NEAR(ReadCapture(capture).nonSilentFrames, 2 * 44'100, 4 * MediaPlayers::kBufferFrames);
}

// Asleep, the device is closed: no audio thread wakes the idle program.
TEST_F(MediaPlayersTest, TheDeviceSleepsWhenNothingSoundsAndWakesWholeForTheNextSound) {
  const auto capture = directory / "capture.raw";
  AudioDriver disk("disk", capture);
  players.setSleepAfter(100);
  Open(TestSounds(0.3));
  const auto asleep = [this] {
    return QTest::qWaitFor([this] { return !players.deviceAwake() && players.deviceSettled(); }, 3'000);
  };
  ASSERT_TRUE(asleep());

  // The disk driver starts its file afresh as the device wakes.
  players.PlayFromStart(SoundPlayer::TargetEaten);
  EXPECT_TRUE(players.deviceAwake());
  ASSERT_TRUE(WaitFor({SoundPlayer::TargetEaten, true}));
  ASSERT_TRUE(asleep());
  EXPECT_NEAR(ReadCapture(capture).nonSilentFrames, 0.3 * 44'100, 4 * MediaPlayers::kBufferFrames);

  // While a game is in play the woken device stays awake past the silence,
  // and sleeps once the game stands.
  players.KeepAwake(true);
  players.PlayFromStart(SoundPlayer::Crash);
  ASSERT_TRUE(WaitFor({SoundPlayer::Crash, true}));
  QTest::qWait(400);
  EXPECT_TRUE(players.deviceAwake());
  players.KeepAwake(false);
  ASSERT_TRUE(asleep());

  // Music stopped by switching it off lets the device sleep, and plays
  // again when switched on.
  game.options().SetMusic(true);
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  game.options().SetMusic(false);
  ASSERT_TRUE(asleep());
  game.options().SetMusic(true);
  EXPECT_TRUE(players.deviceAwake());
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  players.Close();
}

TEST_F(MediaPlayersTest, TheEffectTableStopsAndStartsTheRightPlayers) {
  Open(TestSounds(3.0));
  for (int player = 1; player <= 6; ++player) players.PlayFromStart(static_cast<SoundPlayer>(player));

  sounds.EffectSound(SoundEffect::Door);
  const std::vector<bool> soundingAfterDoor = {false, true, true, false, true, false};
  for (int player = 1; player <= 6; ++player) {
    EXPECT_EQ(players.Sounding(static_cast<SoundPlayer>(player)), soundingAfterDoor[player - 1]) << player;
  }

  for (int player = 1; player <= 6; ++player) players.Stop(static_cast<SoundPlayer>(player));
  model.TargetNumber = 9;
  sounds.EffectSound(SoundEffect::Target);
  EXPECT_TRUE(players.Sounding(SoundPlayer::LevelFinished));
  EXPECT_FALSE(players.Sounding(SoundPlayer::TargetEaten));
}

// Music that is off at start-up is read only when it is first played.
TEST_F(MediaPlayersTest, MusicLeftForItsFirstStartPlaysWhenStarted) {
  Open(TestSounds(0.2), MusicOutput::Loading::AtFirstStart);
  players.Stop(SoundPlayer::Music);
  EXPECT_FALSE(players.Sounding(SoundPlayer::Music));
  players.Play(SoundPlayer::Music);
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  players.Close();
}

// The test tune lasts half a second; its end is told when it comes round,
// not seconds later when the synthesizer would say so.
TEST_F(MediaPlayersTest, MusicGoesOnPastItsEndOnlyWhenMusicPlayerNotifyPlaysIt) {
  Open(TestSounds(0.2), MusicOutput::Loading::Ahead);
  game.options().SetMusic(true);
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  ASSERT_TRUE(WaitFor({SoundPlayer::Music, true}, 2));
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  EXPECT_EQ(recorder.requests, (Texts{"play Music", "play Music", "play Music"}));

  // Music off without a stop: the piece ends and stays ended.
  model.Settings.Music = false;
  ASSERT_TRUE(WaitFor({SoundPlayer::Music, true}, 3));
  EXPECT_FALSE(players.Sounding(SoundPlayer::Music));

  // Switched on, then off: the stop's notification does not bring it back.
  game.options().SetMusic(true);
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
  game.options().SetMusic(false);
  ASSERT_TRUE(WaitFor({SoundPlayer::Music, false}));
  QTest::qWait(50);
  EXPECT_FALSE(players.Sounding(SoundPlayer::Music));

  game.options().SetMusic(true);
  EXPECT_TRUE(players.Sounding(SoundPlayer::Music));
}

TEST_F(MediaPlayersTest, TheRulesRequestsAreHeardAndACrashAfterGameOverIsNot) {
  const auto silent = directory / "silent.raw";
  const auto heard = directory / "heard.raw";
  {
    AudioDriver disk("disk", silent);
    Open(sound::MakeGameSounds());
    model.TargetNumber = 0;
    sounds.Bump_Sound();
    QTest::qWait(600);
    players.Close();
  }
  {
    AudioDriver disk("disk", heard);
    ASSERT_TRUE(players.Open(directory.path()).empty());
    model.TargetNumber = 4;
    sounds.Bump_Sound();
    ASSERT_TRUE(WaitFor({SoundPlayer::Crash, true}));
    players.Close();
  }
  EXPECT_EQ(ReadCapture(silent).nonSilentFrames, 0);
  const Capture crash = ReadCapture(heard);
  EXPECT_GT(crash.nonSilentFrames, 44'100 / 4);
  EXPECT_GT(crash.peak, 0.5);
}

TEST_F(MediaPlayersTest, WithoutASoundDeviceNothingOpensAndRequestsAreIgnored) {
  AudioDriver none("no-such-driver");
  WriteSoundFiles(directory.path(), TestSounds(0.2));
  const std::vector<std::string> errors = players.Open(directory.path());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Unable to open the sound device"), std::string::npos) << errors[0];
  EXPECT_FALSE(players.deviceOpen());
  players.PlayFromStart(SoundPlayer::TargetEaten);
  EXPECT_FALSE(players.Sounding(SoundPlayer::TargetEaten));
}

// What the file descriptor of standard error receives while `action` runs:
// libasound writes there itself, past every stream of ours.
template <typename Action>
std::string StandardErrorOf(const std::filesystem::path& capture, Action action) {
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int file = open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(file, STDERR_FILENO);
  close(file);
  action();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::ifstream input(capture);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

// A device ALSA cannot open makes libasound write its error lines (as on a
// machine without sound); the game says so in its own message instead.
TEST_F(MediaPlayersTest, TheSoundLibrariesErrorLinesReachTheTerminalOnlyWhenAskedFor) {
  AudioDriver alsa("alsa");
  qputenv("AUDIODEV", "coilrun-no-such-device");
  WriteSoundFiles(directory.path(), TestSounds(0.2));
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "shown" : "kept back");
    ShowSoundLibraryMessages(shown);
    std::vector<std::string> errors;
    const std::string printed =
        StandardErrorOf(directory / "stderr.txt", [&] { errors = players.Open(directory.path()); });
    EXPECT_EQ(printed.find("ALSA lib") != std::string::npos, shown) << printed;
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(players.deviceOpen());
  }
  qunsetenv("AUDIODEV");
}

}  // namespace
}  // namespace coilrun::testing
