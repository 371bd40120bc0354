#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

const Texts kMute = {"stop TargetEaten", "stop BonusBrick", "stop Passage", "stop Rebound"};

Texts Then(Texts first, const Texts& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

class SoundRequestTest : public GameFixture {
 protected:
  SoundRequestTest() {
    model.Settings.PlayerCount = 1;
    model.Settings.Sounds = true;
    model.TargetX = 45;
    model.TargetY = 20;
    model.TargetNumber = 1;
  }

  // One step of a snake from (19, 5) to the right into (20, 5).
  Texts SoundsOfEntering(BoardCell cell) {
    host.sounds.clear();
    model.LevelGrid.at(20, 5) = cell;
    PlaceSnake(1, 19, 5, Direction::Right);
    game.TimerTimer();
    return host.sounds;
  }
};

TEST_F(SoundRequestTest, TargetsOneToEightRestartTheirSoundAndTheNinthPlaysOn) {
  model.TargetX = 20;
  model.TargetY = 5;
  model.TargetNumber = 3;
  EXPECT_EQ(SoundsOfEntering({}), (Texts{"stop BonusBrick", "stop TargetEaten", "start TargetEaten"}));

  model.TargetX = 20;
  model.TargetY = 5;
  model.TargetNumber = 9;
  EXPECT_EQ(SoundsOfEntering({}), (Texts{"stop BonusBrick", "stop TargetEaten", "play LevelFinished"}));
}

TEST_F(SoundRequestTest, EveryBrickAsksForItsOwnEffect) {
  EXPECT_EQ(SoundsOfEntering({-DoorBrick, 1, {40, 20, 40, 20, 40, 20, 40, 20}}), Then(kMute, {"start Passage"}));
  EXPECT_EQ(SoundsOfEntering({-InOutBrick, 1, {30, 12}}), (Texts{"stop TargetEaten", "start Passage"}));
  EXPECT_EQ(SoundsOfEntering({-ReboundBrick, 1, {}}), (Texts{"stop TargetEaten", "start Rebound"}));
  EXPECT_EQ(SoundsOfEntering({-ScoreBrick, 1, {}}), (Texts{"stop TargetEaten", "start BonusBrick"}));
  EXPECT_EQ(SoundsOfEntering({-LifeBrick, 1, {}}), Then(kMute, {"start BonusBrick"}));
}

TEST_F(SoundRequestTest, CrashSoundsOnlyWhileATargetIsOnTheField) {
  EXPECT_EQ(SoundsOfEntering({-NormalBrick, 1, {}}), Then(kMute, {"start Crash"}));

  // A blocked rebound sounds, then the crash.
  model.LevelGrid.at(21, 5) = BoardCell{-NormalBrick, 1, {}};
  EXPECT_EQ(SoundsOfEntering({-ReboundBrick, 1, {}}),
            Then({"stop TargetEaten", "start Rebound"}, Then(kMute, {"start Crash"})));

  model.TargetNumber = 0;
  EXPECT_TRUE(SoundsOfEntering({-NormalBrick, 1, {}}).empty());
}

TEST_F(SoundRequestTest, NothingPlaysWithSoundsOff) {
  model.Settings.Sounds = false;
  model.TargetX = 21;
  model.TargetY = 12;
  EXPECT_TRUE(SoundsOfEntering({-InOutBrick, 1, {20, 12}}).empty());  // and eats the target there
  EXPECT_EQ(model.TargetNumber, 2);
  EXPECT_TRUE(SoundsOfEntering({-LifeBrick, 1, {}}).empty());
  EXPECT_TRUE(SoundsOfEntering({-NormalBrick, 1, {}}).empty());
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SoundRequestTest, OnlyAMusicPlayThatReachedItsEndStartsOverAndOnlyWhileMusicIsOn) {
  model.Settings.Music = true;
  game.MusicPlayerNotify(false);
  EXPECT_TRUE(host.sounds.empty());
  game.MusicPlayerNotify(true);
  EXPECT_EQ(host.sounds, (Texts{"play Music"}));

  host.sounds.clear();
  model.Settings.Music = false;
  game.MusicPlayerNotify(true);
  EXPECT_TRUE(host.sounds.empty());
}

}  // namespace
}  // namespace coilrun::testing
