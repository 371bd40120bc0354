#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_fixture.h"
#include "tests/support/offers.h"

namespace coilrun::testing {
namespace {

class CourseTest : public GameFixture {
 protected:
  CourseTest() {
    model.Settings.PlayerCount = 2;
    model.Players[1].Name = "Ann";
    model.Players[2].Name = "Bob";
    model.LevelNumber = 3;
    LetEveryScoreRank(host.highScores);
  }

  Cell Entry(int player, int k) const { return {model.Players[player].BodyX[k], model.Players[player].BodyY[k]}; }
  std::vector<int> Offered() const { return OfferedPlayers(host, model); }
};

TEST_F(CourseTest, StartLevelSavesTheGridPlacesAllFourSnakesAndStartsTheTimer) {
  model.ScreenState = TitleScreen;
  model.LevelGrid.at(25, 15) = BoardCell{-ScoreBrick, 1, {}};
  model.Players[1].Lives = 5;
  model.Players[2].Lives = 0;
  for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].RoundScore = 77;
  parts.course.StartLevel();

  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_EQ(model.LevelBackup, model.LevelGrid);
  EXPECT_EQ(model.LevelBackup.at(25, 15).Content, -ScoreBrick);
  EXPECT_EQ(view.calls,
            (Texts{"ClearBoard", "DrawBricks", "DrawNumber", "ShowNumber", "ClearReport", "RepaintReport"}));
  EXPECT_EQ(model.TargetNumber, 1);
  EXPECT_TRUE(host.gameTimerOn);

  struct Start {
    Cell head;
    Direction direction;
    Cell body;
  };
  const Start starts[] = {{{0, 0}, Direction::Right, {0, 0}},
                          {{9, 1}, Direction::Right, {8, 1}},
                          {{40, 28}, Direction::Left, {41, 28}},
                          {{40, 0}, Direction::Left, {41, 0}},
                          {{9, 29}, Direction::Right, {8, 29}}};
  for (int player = 1; player <= kMaxPlayers; ++player) {
    EXPECT_EQ(Entry(player, 1), starts[player].head) << player;
    EXPECT_EQ(model.Players[player].Direction, starts[player].direction) << player;
    for (int k = 2; k <= kStartLength + 1; ++k) EXPECT_EQ(Entry(player, k), starts[player].body) << player;
    EXPECT_EQ(model.Players[player].RoundScore, 0) << player;
  }
  // Only the player still in the game keeps a body.
  EXPECT_EQ(model.Players[1].Length, kStartLength);
  for (int player = 2; player <= kMaxPlayers; ++player) EXPECT_EQ(model.Players[player].Length, 0) << player;
}

TEST_F(CourseTest, FirstOutOfLivesIsOfferedWhileTheOtherPlaysOnAFreshCopyOfTheLevel) {
  model.Players[1].Lives = 1;
  model.Players[2].Lives = 5;
  model.Players[2].Score = 1000;
  model.LevelGrid.at(10, 1) = BoardCell{-ScoreBrick, 1, {}};
  parts.course.StartLevel();
  model.TargetX = 11;  // right in player 1's way
  model.TargetY = 1;

  game.TimerTimer();  // player 1 takes the score brick
  game.TimerTimer();  // and eats target 1
  EXPECT_EQ(model.TargetNumber, 2);
  EXPECT_EQ(model.LevelGrid.at(10, 1).Content, -NormalBrick);
  model.Players[1].Direction = Direction::Up;
  game.TimerTimer();
  game.TimerTimer();  // off the top edge

  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
  EXPECT_EQ(Offered(), std::vector<int>{1});
  EXPECT_EQ(model.Players[1].Lives, 0);
  EXPECT_EQ(model.Players[1].Length, 0);
  EXPECT_EQ(model.Players[1].Score, 50 - 1 + 130 - 1 - 1);
  // The replay: bricks back, targets from 1, round scores from 0.
  EXPECT_EQ(model.LevelGrid.at(10, 1), (BoardCell{-ScoreBrick, 1, {}}));
  EXPECT_EQ(model.TargetNumber, 1);
  EXPECT_EQ(model.Players[1].RoundScore, 0);
  EXPECT_EQ(model.Players[2].RoundScore, 0);
  EXPECT_EQ(model.Players[2].Score, 1000 - 4);
  EXPECT_EQ(model.Players[2].Lives, 5);
  EXPECT_TRUE(host.gameTimerOn);
  EXPECT_EQ(model.ScreenState, BoardScreen);
  // Player 2 made its step of that beat from its start.
  EXPECT_EQ(Entry(2, 1), Cell(39, 28));

  game.TimerTimer();
  EXPECT_EQ(Entry(1, 1), Cell(9, 1));
  EXPECT_EQ(Entry(2, 1), Cell(38, 28));
}

TEST_F(CourseTest, LastLifeGoneEndsTheGameOnTheTitleScreen) {
  model.Settings.PlayerCount = 1;
  model.Players[1].Lives = 1;
  parts.course.StartLevel();
  model.Players[1].Direction = Direction::Up;
  game.TimerTimer();
  view.calls.clear();
  game.TimerTimer();

  EXPECT_EQ(host.messages, (Texts{"Ann died.", "Game Over."}));
  EXPECT_EQ(host.timerOnAtMessage, (std::vector<bool>{false, false}));
  EXPECT_EQ(Offered(), std::vector<int>{1});
  EXPECT_EQ(model.TargetNumber, 0);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_TRUE(view.Called("ShowTitle"));
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_FALSE(view.Called("DrawSnake 1"));  // the rest of the step is left out
}

TEST_F(CourseTest, HeadOnOnBothLastLivesOffersBothInOrder) {
  model.Players[1].Lives = 1;
  model.Players[2].Lives = 1;
  parts.course.StartLevel();
  model.TargetX = 45;
  model.TargetY = 20;
  // Two cells apart, heading towards each other.
  PlaceSnake(1, 20, 10, Direction::Right).Lives = 1;
  PlaceSnake(2, 22, 10, Direction::Left).Lives = 1;
  game.TimerTimer();
  EXPECT_EQ(host.messages, (Texts{"Ann & Bob died.", "Game Over."}));
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));
}

TEST_F(CourseTest, FinishedLevelPaysLivingPlayersAndAnnouncesTheLevel) {
  model.Settings.PlayerCount = 3;
  model.Players[3].Name = "Cid";
  model.Players[1].Lives = 10;
  model.Players[2].Lives = 4;
  model.Players[3].Lives = 0;
  model.Players[3].Score = 70;
  host.gameTimerOn = true;
  parts.course.LevelFinished();

  EXPECT_EQ(model.Players[1].Lives, 10);
  EXPECT_EQ(model.Players[1].Score, 100);
  EXPECT_EQ(model.Players[2].Lives, 5);
  EXPECT_EQ(model.Players[2].Score, 100);
  EXPECT_EQ(model.Players[3].Lives, 0);
  EXPECT_EQ(model.Players[3].Score, 70);
  EXPECT_EQ(host.messages, Texts{"Level 3 finished."});
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
  EXPECT_EQ(model.LevelNumber, 4);
  const Texts beforeNextLevel(view.calls.begin(), view.calls.begin() + 8);
  EXPECT_EQ(beforeNextLevel, (Texts{"DrawSnake 1", "DrawSnake 2", "ShowScore 1", "ShowLives 1", "ShowScore 2",
                                    "ShowLives 2", "ShowScore 3", "ShowLives 3"}));
  EXPECT_EQ(view.calls.at(8), "ClearBoard");  // the next level starts
  EXPECT_TRUE(host.gameTimerOn);
}

// Past level 32,667 of a file the number stays where it is instead of
// turning negative, and every living player's bonus stops at the largest score.
TEST_F(CourseTest, LevelNumberAndScoresStopAtTheirLargestValues) {
  model.Settings.BuiltInLevels = false;
  model.Players[1].Lives = 3;
  model.Players[1].Score = INT32_MAX - 50;
  model.LevelNumber = INT16_MAX - 1;
  parts.course.LevelFinished();
  EXPECT_EQ(model.LevelNumber, INT16_MAX);
  EXPECT_EQ(model.Players[1].Score, INT32_MAX);
  parts.course.LevelFinished();
  EXPECT_EQ(model.LevelNumber, INT16_MAX);
  // No level file is open here; the tries to read the next level say so.
  EXPECT_EQ(host.messages, (Texts{"Level 32666 finished.", "Level 32667 finished."}));
  EXPECT_EQ(host.failures, (Texts{"File not open", "File not open"}));
}

TEST_F(CourseTest, LevelMessageCountsFileLevelsFromOneAndCanBeSwitchedOff) {
  model.LevelNumber = 101;
  parts.course.Level_Done_Message();
  model.LevelNumber = 100;
  parts.course.Level_Done_Message();
  model.LevelNumber = 0;
  parts.course.Level_Done_Message();
  model.LevelNumber = 5;
  model.Settings.ShowMessages = false;
  parts.course.Level_Done_Message();
  EXPECT_EQ(host.messages, (Texts{"Level 1 finished.", "Level 100 finished."}));
}

}  // namespace
}  // namespace coilrun::testing
