#include <string>
#include <vector>

#include "engine/keys.h"
#include "tests/support/game_fixture.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

NewGameChoice BuiltInGame(int playerCount, bool competition = false, int winsTarget = 5) {
  NewGameChoice choice;
  choice.PlayerCount = playerCount;
  choice.Competition = competition;
  choice.WinsTarget = winsTarget;
  return choice;
}

NewGameChoice FileGame(const std::string& file) {
  NewGameChoice choice;
  choice.BuiltIn = false;
  choice.LevelFile = file;
  return choice;
}

class GameStartTest : public GameFixture {
 protected:
  GameStartTest() {
    model.ScreenState = TitleScreen;
    game.CopyBuiltInLevels();
  }

  void SkipTo(const std::string& answer) {
    host.inputAnswers.push_back(answer);
    game.Startlevel1Click(dialogChoice);
  }

  // What the new game dialog holds when Ctrl+F12 is pressed.
  NewGameChoice dialogChoice;
};

TEST_F(GameStartTest, NewBuiltInGameStartsLevelOneRunningAtTheChosenSpeed) {
  model.Settings.Speed = 10;
  model.Players[3].Lives = 2;  // left over from an earlier game
  model.Players[1].Wins = 4;
  ASSERT_TRUE(game.StartButtonClick(BuiltInGame(2)));
  EXPECT_EQ(host.gameTimerInterval, 17);
  EXPECT_TRUE(host.gameTimerOn);
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_EQ(model.LevelNumber, 1);
  EXPECT_GT(parts.sources.BuiltInPos(), 0);
  EXPECT_TRUE(model.Settings.BuiltInLevels);
  EXPECT_FALSE(model.Settings.LevelsSkipped);
  EXPECT_EQ(model.Settings.PlayerCount, 2);
  EXPECT_EQ(model.Players[1].Lives, 5);
  EXPECT_EQ(model.Players[2].Lives, 5);
  EXPECT_EQ(model.Players[3].Lives, 0);
  EXPECT_EQ(model.Players[3].Length, 0);
  EXPECT_EQ(model.Players[1].Wins, 4);  // a normal game leaves wins alone
  EXPECT_EQ(model.TargetNumber, 1);
}

TEST_F(GameStartTest, CompetitionGivesEveryPlayerInItOneLifeAndNoWins) {
  model.Players[1].Wins = 4;
  model.Players[4].Wins = 2;
  ASSERT_TRUE(game.StartButtonClick(BuiltInGame(3, true, 7)));
  EXPECT_TRUE(model.Settings.Competition);
  EXPECT_EQ(model.Settings.WinsTarget, 7);
  for (int player = 1; player <= 3; ++player) {
    EXPECT_EQ(model.Players[player].Lives, 1) << player;
    EXPECT_EQ(model.Players[player].Wins, 0) << player;
  }
  EXPECT_EQ(model.Players[4].Lives, 0);
  EXPECT_EQ(model.Players[4].Wins, 0);
}

TEST_F(GameStartTest, AFileThatCannotBeOpenedKeepsTheDialogOpen) {
  EXPECT_FALSE(game.StartButtonClick(FileGame("/nonexistent/levels.lvl")));
  EXPECT_EQ(host.failures, Texts{"File not found"});
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_EQ(model.ScreenState, TitleScreen);
}

TEST_F(GameStartTest, AFileWhoseFirstLevelCannotBeReadKeepsTheDialogOpen) {
  TempDirectory directory("coilrun-start");
  const std::string file = directory.Write("cut.lvl", {0xFF, 20, 10});  // no end marker
  EXPECT_FALSE(game.StartButtonClick(FileGame(file)));
  EXPECT_EQ(host.failures, Texts{"Read beyond end of file"});
  EXPECT_FALSE(host.gameTimerOn);
}

// A normal game on a file without levels ends at once; it did start, and the
// end of the game must see a game from a file, not the built-in game before.
TEST_F(GameStartTest, AGameOnAFileWithNoLevelsStartsAndPlaysFromTheFile) {
  TempDirectory directory("coilrun-start");
  const std::string empty = directory.Write("empty.lvl", {});
  ASSERT_TRUE(game.StartButtonClick(BuiltInGame(1)));
  ASSERT_TRUE(model.Settings.BuiltInLevels);
  host.gameTimerOn = false;  // that game is over

  EXPECT_TRUE(game.StartButtonClick(FileGame(empty)));
  EXPECT_EQ(host.messages, Texts{"You have finished all levels."});
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_EQ(model.LevelNumber, 100);
  EXPECT_FALSE(model.Settings.BuiltInLevels);
  EXPECT_EQ(model.Settings.LevelFileName, empty);
}

TEST_F(GameStartTest, SkipLevelsClampsTheNumberAndStartsAfterTheEndMarkerBefore) {
  SkipTo("0");
  EXPECT_EQ(model.LevelNumber, 1);
  EXPECT_EQ(host.inputPrompts, Texts{"Skip Levels|Enter level number (1-82)."});
  SkipTo(" -5 ");
  EXPECT_EQ(model.LevelNumber, 1);
  SkipTo("300");
  EXPECT_EQ(model.LevelNumber, 82);
  EXPECT_TRUE(model.Settings.LevelsSkipped);
  EXPECT_TRUE(host.gameTimerOn);

  // The level decoded is the one that follows the 81st end marker.
  SkipTo("5");
  const BoardGrid skipped = model.LevelGrid;
  parts.sources.SetBuiltInPos(parts.sources.BuiltInLevelStart(5));
  parts.sources.ClearGrid();
  parts.sources.DecodeBuiltInLevel();
  EXPECT_EQ(model.LevelGrid, skipped);
}

TEST_F(GameStartTest, SkipLevelsRejectsTextThatIsNoWholeNumberAndIgnoresCancel) {
  SkipTo("5x");
  EXPECT_EQ(host.messages, Texts{"'5x' is not a valid integer value"});
  SkipTo("99999999999");
  EXPECT_EQ(host.messages.back(), "'99999999999' is not a valid integer value");
  SkipTo("+-5");  // one sign only
  EXPECT_EQ(host.messages.back(), "'+-5' is not a valid integer value");
  SkipTo("");
  game.Startlevel1Click(dialogChoice);  // cancelled: no answer queued
  EXPECT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(host.gameTimerOn);
}

// The snakes would go on moving while the player types, unable to steer.
TEST_F(GameStartTest, NoBeatRunsWhileTheSkipBoxIsOpenAndAGameInPlayGoesOnIfNoLevelIsChosen) {
  ASSERT_TRUE(game.StartButtonClick(BuiltInGame(1)));
  SkipTo("x");
  game.Startlevel1Click(dialogChoice);  // cancelled
  EXPECT_EQ(host.timerOnAtInput, (std::vector<bool>{false, false}));
  EXPECT_EQ(host.timerOnAtMessage, std::vector<bool>{false});
  EXPECT_TRUE(host.gameTimerOn);

  game.Pause1Click();
  game.Startlevel1Click(dialogChoice);
  EXPECT_FALSE(host.gameTimerOn);  // still paused
  EXPECT_TRUE(model.Settings.Paused);
}

TEST_F(GameStartTest, SkippingWhilePausedStartsTheLevelRunningWithTheDialogsControls) {
  ASSERT_TRUE(game.StartButtonClick(BuiltInGame(1)));
  game.Pause1Click();
  ASSERT_TRUE(model.Settings.Paused);
  dialogChoice = BuiltInGame(2);
  SkipTo("3");
  EXPECT_FALSE(model.Settings.Paused);
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_TRUE(host.gameTimerOn);
  EXPECT_EQ(model.Settings.PlayerCount, 2);
  EXPECT_EQ(model.LevelNumber, 3);
}

TEST_F(GameStartTest, CommandLineGameShowsItsFirstLevelPaused) {
  TempDirectory directory("coilrun-start");
  // One stream level: a normal brick at (20, 10), then the end marker.
  const std::string file = directory.Write("one.lvl", {0xFF, 20, 10, 0xCE});
  model.Settings.PlayerCount = 2;
  model.Settings.Speed = 9;
  game.StartCommandLineGame(file);
  EXPECT_EQ(host.gameTimerInterval, 34);  // the speed chosen, not the design interval
  EXPECT_EQ(model.LevelNumber, 101);
  EXPECT_EQ(model.ScreenState, PauseScreen);
  EXPECT_TRUE(model.Settings.Paused);
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_FALSE(model.Settings.BuiltInLevels);
  EXPECT_EQ(model.LevelGrid.at(20, 10).Occupied, 1);
  EXPECT_EQ(model.Players[2].Lives, 5);

  game.Pause1Click();
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_TRUE(host.gameTimerOn);
}

// A play-test is a command-line game that leaves the player's files as they
// were: no score reaches the table, and the settings saved at exit name the
// player's own level file and source, not the play-test's.
TEST_F(GameStartTest, PlayTestOffersNoScoreAndGivesTheSettingsBackWhenOver) {
  TempDirectory directory("coilrun-play-test");
  const std::string file = directory.Write("test.lvl", {0xFF, 20, 10, 0xCE});
  model.Settings.LevelFileName = "mine.lvl";
  model.Settings.BuiltInLevels = true;
  EXPECT_FALSE(game.FinishPlayTestIfOver());

  ASSERT_TRUE(game.StartPlayTest(file));
  EXPECT_EQ(model.ScreenState, PauseScreen);
  EXPECT_EQ(model.LevelGrid.at(20, 10).Occupied, 1);
  EXPECT_FALSE(game.StartPlayTest(file)) << "a game is in play";
  EXPECT_FALSE(game.FinishPlayTestIfOver()) << "its game goes on";
  model.Players[1].Score = 5000;
  game.Stop1Click();
  EXPECT_TRUE(game.FinishPlayTestIfOver());
  EXPECT_EQ(host.highScores.writes, 0);
  EXPECT_EQ(model.Settings.LevelFileName, "mine.lvl");
  EXPECT_TRUE(model.Settings.BuiltInLevels);

  // The next game is the player's own again.
  game.StartCommandLineGame(file);
  model.Players[1].Score = 5000;
  game.Stop1Click();
  EXPECT_EQ(host.highScores.writes, 1);
}

TEST_F(GameStartTest, CommandLineFileThatCannotBeOpenedLeavesTheTitle) {
  game.StartCommandLineGame("/nonexistent/levels.lvl");
  EXPECT_EQ(host.failures, Texts{"File not found"});
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(model.Settings.Paused);
}

}  // namespace
}  // namespace coilrun::testing
