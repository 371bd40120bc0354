#include "shell/media_players.h"

#include <gtest/gtest.h>

#include <QTest>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "tests/shell/test_sounds.h"
#include "tests/support/fake_host.h"
#include "tests/support/recording_view.h"
#include "tests/support/temp_directory.h"
#include "tools/game_sounds.h"

namespace coilrun::testing {
namespace {

using Finished = std::pair<MediaPlayer, bool>;
using Texts = std::vector<std::string>;

// The rules' media requests, recorded and carried out by real players.
class PlayingHost : public FakeHost {
 public:
  explicit PlayingHost(MediaPlayers& players) : players_(players) {}
  void MediaStop(MediaPlayer player) override {
    FakeHost::MediaStop(player);
    players_.Stop(player);
  }
  void MediaPlay(MediaPlayer player) override {
    FakeHost::MediaPlay(player);
    players_.Play(player);
  }
  void MediaPlayFromStart(MediaPlayer player) override {
    FakeHost::MediaPlayFromStart(player);
    players_.PlayFromStart(player);
  }

 private:
  MediaPlayers& players_;
};

class MediaPlayersTest : public ::testing::Test {
 protected:
  MediaPlayersTest() {
    QObject::connect(&players, &MediaPlayers::PlayFinished, [this](MediaPlayer player, bool reachedEnd) {
      finished.emplace_back(player, reachedEnd);
      if (player == MediaPlayer::MusicPlayer) game.MusicPlayerNotify(reachedEnd);
    });
    model.Settings.Sounds = true;
  }

  void Open(const AudioEntries& sounds, MusicOutput::Loading music = MusicOutput::Loading::Ahead) {
    WriteSoundFiles(directory.path(), sounds);
    ASSERT_TRUE(players.Open(directory.path(), music).empty());
  }

  bool WaitFor(Finished notification, int count = 1, int milliseconds = 10'000) {
    return QTest::qWaitFor([&] { return std::count(finished.begin(), finished.end(), notification) >= count; },
                           milliseconds);
  }

  TempDirectory directory{"coilrun-media"};
  MediaPlayers players;
  std::vector<Finished> finished;
  GameModel model;
  PlayingHost host{players};
  RecordingView view;
  Game game{model, host, view.views()};
};

TEST_F(MediaPlayersTest, PlayAfterAStopGoesOnAndPlayAtTheEndStartsOver) {
  const auto capture = directory / "capture.raw";
  AudioDriver disk("disk", capture);
  Open(TestSounds(1.0));

  players.PlayFromStart(MediaPlayer::Player04);
  QTest::qWait(300);
  players.Stop(MediaPlayer::Player04);
  EXPECT_FALSE(players.Sounding(MediaPlayer::Player04));
  ASSERT_TRUE(WaitFor({MediaPlayer::Player04, false}));
  QTest::qWait(200);
  players.Play(MediaPlayer::Player04);
  ASSERT_TRUE(WaitFor({MediaPlayer::Player04, true}));
  EXPECT_FALSE(players.Sounding(MediaPlayer::Player04));

  players.Play(MediaPlayer::Player04);
  EXPECT_TRUE(players.Sounding(MediaPlayer::Player04));
  ASSERT_TRUE(WaitFor({MediaPlayer::Player04, true}, 2));
  players.Close();
  EXPECT_EQ(finished,
            (std::vector<Finished>{
                {MediaPlayer::Player04, false}, {MediaPlayer::Player04, true}, {MediaPlayer::Player04, true}}));
  // Two whole plays of one second, give or take a few mixer buffers; the
  // stopped play did not start over.
  EXPECT_NEAR(ReadCapture(capture).nonSilentFrames, 2 * 44'100, 4 * MediaPlayers::kBufferFrames);
}

TEST_F(MediaPlayersTest, TheEffectTableStopsAndStartsTheRightPlayers) {
  Open(TestSounds(3.0));
  for (int player = 1; player <= 6; ++player) players.PlayFromStart(static_cast<MediaPlayer>(player));

  game.EffectSound(SoundEffect::Door);
  const std::vector<bool> soundingAfterDoor = {false, true, true, false, true, false};
  for (int player = 1; player <= 6; ++player) {
    EXPECT_EQ(players.Sounding(static_cast<MediaPlayer>(player)), soundingAfterDoor[player - 1]) << player;
  }

  for (int player = 1; player <= 6; ++player) players.Stop(static_cast<MediaPlayer>(player));
  model.TargetNumber = 9;
  game.EffectSound(SoundEffect::Target);
  EXPECT_TRUE(players.Sounding(MediaPlayer::Player03));
  EXPECT_FALSE(players.Sounding(MediaPlayer::Player01));
}

// Music that is off at start-up is read only when it is first played.
TEST_F(MediaPlayersTest, MusicLeftForItsFirstStartPlaysWhenStarted) {
  Open(TestSounds(0.2), MusicOutput::Loading::AtFirstStart);
  players.Stop(MediaPlayer::MusicPlayer);
  EXPECT_FALSE(players.Sounding(MediaPlayer::MusicPlayer));
  players.Play(MediaPlayer::MusicPlayer);
  EXPECT_TRUE(players.Sounding(MediaPlayer::MusicPlayer));
  players.Close();
}

// The test tune lasts half a second; its end is told when it comes round,
// not seconds later when the synthesizer would say so.
TEST_F(MediaPlayersTest, MusicGoesOnPastItsEndOnlyWhenMusicPlayerNotifyPlaysIt) {
  Open(TestSounds(0.2));
  model.Settings.Music = true;
  host.MediaPlay(MediaPlayer::MusicPlayer);
  EXPECT_TRUE(players.Sounding(MediaPlayer::MusicPlayer));
  ASSERT_TRUE(WaitFor({MediaPlayer::MusicPlayer, true}, 2));
  EXPECT_TRUE(players.Sounding(MediaPlayer::MusicPlayer));
  EXPECT_EQ(host.sounds, (Texts{"play MusicPlayer", "play MusicPlayer", "play MusicPlayer"}));

  // Music off without a stop: the piece ends and stays ended.
  model.Settings.Music = false;
  ASSERT_TRUE(WaitFor({MediaPlayer::MusicPlayer, true}, 3));
  EXPECT_FALSE(players.Sounding(MediaPlayer::MusicPlayer));

  // Switched on, then off: the stop's notification does not bring it back.
  model.Settings.Music = true;
  host.MediaPlay(MediaPlayer::MusicPlayer);
  EXPECT_TRUE(players.Sounding(MediaPlayer::MusicPlayer));
  model.Settings.Music = false;
  host.MediaStop(MediaPlayer::MusicPlayer);
  ASSERT_TRUE(WaitFor({MediaPlayer::MusicPlayer, false}));
  QTest::qWait(50);
  EXPECT_FALSE(players.Sounding(MediaPlayer::MusicPlayer));

  model.Settings.Music = true;
  host.MediaPlay(MediaPlayer::MusicPlayer);
  EXPECT_TRUE(players.Sounding(MediaPlayer::MusicPlayer));
}

TEST_F(MediaPlayersTest, TheRulesRequestsAreHeardAndACrashAfterGameOverIsNot) {
  const auto silent = directory / "silent.raw";
  const auto heard = directory / "heard.raw";
  {
    AudioDriver disk("disk", silent);
    Open(sound::MakeGameSounds());
    model.TargetNumber = 0;
    game.Bump_Sound();
    QTest::qWait(600);
    players.Close();
  }
  {
    AudioDriver disk("disk", heard);
    ASSERT_TRUE(players.Open(directory.path()).empty());
    model.TargetNumber = 4;
    game.Bump_Sound();
    ASSERT_TRUE(WaitFor({MediaPlayer::Player02, true}));
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
  players.PlayFromStart(MediaPlayer::Player01);
  EXPECT_FALSE(players.Sounding(MediaPlayer::Player01));
}

}  // namespace
}  // namespace coilrun::testing
