#include <string>
#include <vector>

#include "engine/competition_count.h"
#include "tests/support/course_fixture.h"

namespace coilrun::testing {
namespace {

using WholeGameTest = CourseFixture;
using States = std::vector<CourseState>;

TEST_F(WholeGameTest, AllEightyTwoBuiltInLevelsFromTheFirstEndOnTheCongratulationsPage) {
  ASSERT_TRUE(game.StartButtonClick({.PlayerCount = 2}));
  for (int level = 1; level <= kBuiltInLevelCount; ++level) {
    ASSERT_EQ(State(), CourseState::Running) << level;
    ASSERT_EQ(model.LevelNumber, level);
    EatNinthTarget(level % 2 + 1);
  }

  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, CongratulationsScreen);
  EXPECT_EQ(view.calls.back(), "ShowCongratulations");
  ASSERT_EQ(host.messages.size(), 82u);
  EXPECT_EQ(host.messages.front(), "Level 1 finished.");
  EXPECT_EQ(host.messages.back(), "Level 82 finished.");
  EXPECT_EQ(host.statesAtMessage, States(82, CourseState::BetweenLevels));
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));
  EXPECT_EQ(model.Players[1].Score, 41 * 130 + 82 * 100);
  EXPECT_EQ(model.Players[2].Lives, 10);
}

TEST_F(WholeGameTest, SkippingToTheLastBuiltInLevelAndFinishingItEndsOnTheDisappointmentPage) {
  ASSERT_TRUE(game.StartButtonClick({.PlayerCount = 1}));
  host.inputAnswers.push_back("82");
  game.Startlevel1Click({.PlayerCount = 1});
  ASSERT_EQ(State(), CourseState::Running);
  EatNinthTarget(1);

  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, DisappointmentScreen);
  EXPECT_EQ(view.calls.back(), "ShowDisappointment");
  EXPECT_EQ(host.messages, Texts{"Level 82 finished."});
  EXPECT_EQ(Offered(), std::vector<int>{1});
}

TEST_F(WholeGameTest, TheLastLevelOfAFileSaysSoAndShowsTheTitlePage) {
  ASSERT_TRUE(game.StartButtonClick(FileGame(WriteLevelFile("two.lvl", 2))));
  EatNinthTarget(1);
  ASSERT_EQ(State(), CourseState::Running);
  EatNinthTarget(1);

  EXPECT_EQ(host.messages, (Texts{"Level 1 finished.", "Level 2 finished.", "You have finished all levels."}));
  EXPECT_EQ(host.statesAtMessage, States(3, CourseState::BetweenLevels));
  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_EQ(view.calls.back(), "ShowTitle");
  EXPECT_EQ(model.LevelNumber, 102);  // the last level there was
  EXPECT_EQ(Offered(), std::vector<int>{1});
}

TEST_F(WholeGameTest, AnEmptyLevelFileEndsANormalGameAtOnceAndACompetitionPlaysOn) {
  const std::string empty = WriteLevelFile("empty.lvl", 0);
  game.StartButtonClick({.PlayerCount = 2, .BuiltIn = false, .LevelFile = empty});
  EXPECT_EQ(host.messages, Texts{"You have finished all levels."});
  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_EQ(model.LevelNumber, 100);
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));

  game.StartButtonClick({.PlayerCount = 2, .Competition = true, .BuiltIn = false, .LevelFile = empty});
  EXPECT_EQ(State(), CourseState::Running);
}

TEST_F(WholeGameTest, ACompetitionEndsOnTheWinnerPageOfThePlayerWithTheMostWins) {
  ASSERT_TRUE(game.StartButtonClick({.PlayerCount = 3, .Competition = true, .WinsTarget = 2}));
  parts.course.On_Bump(1);  // Bob and Cid score for Ann's crash and win the play
  ASSERT_EQ(State(), CourseState::Running);
  parts.course.On_Bump(1);  // both reach the target together: Ann is put out
  ASSERT_EQ(State(), CourseState::Running);
  EXPECT_EQ(model.Players[1].Lives, 0);
  EatNinthTarget(3);

  EXPECT_EQ(host.messages, (Texts{"Winners of this level are Bob, Cid.", "Winners of this level are Bob, Cid.",
                                  "Competition will be extend."}));
  EXPECT_EQ(host.statesAtMessage, States(3, CourseState::BetweenLevels));
  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, WinnerScreen);
  EXPECT_EQ(view.calls.back(), "ShowWinner");
  EXPECT_EQ(CompetitionWinner(model), 3);
  EXPECT_TRUE(Offered().empty());
}

TEST_F(WholeGameTest, TheLastLifeLostShowsGameOverAndTheTitlePage) {
  ASSERT_TRUE(game.StartButtonClick({.PlayerCount = 1, .BuiltIn = false, .LevelFile = WriteLevelFile("one.lvl", 1)}));
  for (int life = 5; life >= 1; --life) {
    ASSERT_EQ(State(), CourseState::Running) << life;
    model.Players[1].Direction = Direction::Up;
    game.TimerTimer();
    game.TimerTimer();  // off the top edge
  }

  EXPECT_EQ(host.messages, (Texts{"Ann died.", "Ann died.", "Ann died.", "Ann died.", "Ann died.", "Game Over."}));
  EXPECT_EQ(host.statesAtMessage, States(6, CourseState::BetweenLevels));
  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_EQ(view.calls.back(), "ShowTitle");
  EXPECT_EQ(Offered(), std::vector<int>{1});
}

TEST(CompetitionWinnerTest, CountsThePlayersPutOutAndGivesATieToTheHigherNumber) {
  GameModel model;
  model.Settings.PlayerCount = 3;
  model.Players[1].Wins = 4;
  model.Players[2].Wins = 4;
  model.Players[3].Wins = 3;
  model.Players[4].Wins = 9;  // not in the game
  EXPECT_EQ(CompetitionWinner(model), 2);
  model.Players[1].Wins = 200;  // unsigned: above 127 is still more
  EXPECT_EQ(CompetitionWinner(model), 1);
}

}  // namespace
}  // namespace coilrun::testing
