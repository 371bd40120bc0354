#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class CompetitionTest : public GameFixture {
 protected:
  CompetitionTest() {
    model.Settings.Competition = true;
    model.Settings.PlayerCount = 2;
    model.Settings.WinsTarget = 1;
    const char* names[] = {"", "Ann", "Bob", "Cid", "Dee"};
    for (int player = 1; player <= kMaxPlayers; ++player) {
      model.Players[player].Name = names[player];
      model.Players[player].Lives = player <= 2 ? 1 : 0;
    }
    model.LevelNumber = 7;
    host.gameTimerOn = true;
  }

  // Finishes the level with these round scores for players 1, 2, 3.
  void FinishWith(int first, int second, int third = 0) {
    model.Players[1].RoundScore = first;
    model.Players[2].RoundScore = second;
    model.Players[3].RoundScore = third;
    parts.course.LevelFinished();
  }

  std::vector<int> Wins() const {
    std::vector<int> wins;
    for (int player = 1; player <= model.Settings.PlayerCount; ++player) wins.push_back(model.Players[player].Wins);
    return wins;
  }
};

TEST_F(CompetitionTest, ALevelWonAloneAtTheTargetEndsOnTheWinnerScreen) {
  FinishWith(500, 200);
  EXPECT_EQ(Wins(), (std::vector<int>{1, 0}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(model.ScreenState, WinnerScreen);
  EXPECT_TRUE(view.Called("ShowWinner"));
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_EQ(model.LevelNumber, 7);
  // Lives do not grow in a competition, but the level bonus is paid.
  EXPECT_EQ(model.Players[1].Lives, 1);
  EXPECT_EQ(model.Players[1].Score, 100);
}

TEST_F(CompetitionTest, ATieAtTheTopExtendsTheCompetitionAndSaysSoOnce) {
  model.Settings.WinsTarget = 2;
  FinishWith(300, 300);  // a tie below the target: both win, nothing to decide
  EXPECT_EQ(host.messages, Texts{"Winners of this level are Ann, Bob."});

  host.messages.clear();
  FinishWith(300, 300);
  EXPECT_EQ(Wins(), (std::vector<int>{2, 2}));
  EXPECT_EQ(host.messages, (Texts{"Competition will be extend.", "Winners of this level are Ann, Bob."}));
  EXPECT_EQ(model.Settings.ExtendedMessageShown, 1);
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_EQ(model.LevelNumber, 9);

  host.messages.clear();
  FinishWith(40, 40);
  EXPECT_EQ(host.messages, Texts{"Winners of this level are Ann, Bob."});

  FinishWith(10, 90);
  EXPECT_EQ(Wins(), (std::vector<int>{3, 4}));
  EXPECT_EQ(model.ScreenState, WinnerScreen);
}

// A beat while the box is open could eat the target still under the
// eater's head and finish the level a second time from inside the first.
TEST_F(CompetitionTest, NoBeatRunsWhileTheExtensionIsAnnounced) {
  FinishWith(300, 300);
  ASSERT_EQ(host.messages.at(0), "Competition will be extend.");
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
}

TEST_F(CompetitionTest, ExtensionPutsOutEveryoneWhoDidNotLeadTheLevel) {
  model.Settings.PlayerCount = 3;
  model.Players[3].Lives = 1;
  FinishWith(300, 300, 100);
  EXPECT_EQ(Wins(), (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(model.Players[1].Lives, 1);
  EXPECT_EQ(model.Players[2].Lives, 1);
  EXPECT_EQ(model.Players[3].Lives, 0);
  EXPECT_EQ(model.Players[3].Score, 100);  // paid before being put out
}

TEST_F(CompetitionTest, ACrashScoresTheOthersAndCanDecideTheCompetition) {
  model.Settings.PlayerCount = 3;
  model.Players[3].Lives = 1;
  model.Settings.WinsTarget = 5;
  PlaceSnake(1, 9, 1, Direction::Right).Lives = 1;
  PlaceSnake(2, 30, 10, Direction::Right).Lives = 1;
  PlaceSnake(3, 40, 0, Direction::Left).Lives = 1;
  model.Players[1].RoundScore = 150;
  model.Players[2].RoundScore = 400;
  model.Players[3].RoundScore = 120;
  parts.course.On_Bump(2);
  EXPECT_EQ(host.messages, Texts{"Winner of this level is Ann."});
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
  EXPECT_EQ(Wins(), (std::vector<int>{1, 0, 0}));
  for (int player = 1; player <= 3; ++player) EXPECT_EQ(model.Players[player].Lives, 1);
  EXPECT_TRUE(host.gameTimerOn);  // replayed

  host.messages.clear();
  model.Settings.WinsTarget = 2;
  model.Players[3].RoundScore = 100;
  parts.course.On_Bump(2);
  EXPECT_EQ(host.messages, Texts{"Winner of this level is Cid."});
  model.LevelGrid.at(3, 3) = BoardCell{-NormalBrick, 1, {}};  // laid during the next play
  parts.course.On_Bump(-4);                                   // Bob and Cid head-on: Ann alone scores, reaching 2 wins
  EXPECT_EQ(Wins(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(model.ScreenState, WinnerScreen);
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_EQ(model.LevelGrid.at(3, 3).Occupied, 1);  // no replay after the end
}

TEST_F(CompetitionTest, AHeadOnOfTheOnlyTwoHasNoWinners) {
  parts.course.On_Bump(-1);
  EXPECT_EQ(host.messages, Texts{"No winners."});
  EXPECT_EQ(Wins(), (std::vector<int>{0, 0}));
  EXPECT_EQ(model.ScreenState, BoardScreen);
}

}  // namespace
}  // namespace coilrun::testing
