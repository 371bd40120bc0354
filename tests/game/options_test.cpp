#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

using OptionsTest = GameFixture;

TEST_F(OptionsTest, AnEmptyNameKeepsTheOldOneAndALongOneKeepsFifteenCharacters) {
  model.Players[2].Name = "Player2";
  game.options().SetPlayerName(2, "");
  EXPECT_EQ(model.Players[2].Name, "Player2");
  game.options().SetPlayerName(2, "Bartholomew the Great");
  EXPECT_EQ(model.Players[2].Name, "Bartholomew the");
}

// Also at every new game, as the options dialog's slider does.
TEST_F(OptionsTest, SpeedSetsTheGameTimerFrom170To17MillisecondsAndShowsTheSpeed) {
  for (const auto& [speed, interval] : std::vector<std::pair<int, int>>{{1, 170}, {4, 119}, {7, 68}, {10, 17}}) {
    view.calls.clear();
    game.options().SetSpeed(speed);
    EXPECT_EQ(host.gameTimerInterval, interval) << speed;
    EXPECT_EQ(view.calls, Texts{"ShowSpeed"});
  }
  // Every new game runs at the speed of the options.
  model.Settings.Speed = 4;
  game.CopyBuiltInLevels();
  game.StartButtonClick(NewGameChoice{});
  EXPECT_EQ(host.gameTimerInterval, 119);
}

// Only the living snakes are redrawn during play; a paused game is
// repainted whole; an information screen is left alone.
TEST_F(OptionsTest, ColoursAndLooksRedrawTheGameByWhatTheFieldShows) {
  model.Settings.PlayerCount = 2;
  PlaceSnake(1, 10, 5, Direction::Right);
  PlaceSnake(2, 10, 7, Direction::Right).Lives = 0;
  game.options().SetPlayerColor(2, RgbColor(1, 2, 3));
  game.options().SetPlayerColor(1, RgbColor(1, 2, 3));
  game.options().SetSnakeFrame(false);
  game.options().SetBrickColor(RgbColor(7, 8, 9));
  EXPECT_EQ(view.calls, (Texts{"DrawWholeSnake 1", "DrawWholeSnake 1", "DrawBricks"}));

  for (const std::uint8_t screen : {PauseScreen, KeysScreen}) {
    model.ScreenState = screen;
    view.calls.clear();
    game.options().SetPlayerColor(1, RgbColor(4, 5, 6));
    game.options().SetSnakeFrame(true);
    game.options().SetMixBricksColors(false);
    EXPECT_EQ(view.calls, screen == PauseScreen ? Texts(3, "RepaintBoard") : Texts{}) << int{screen};
  }
}

TEST_F(OptionsTest, LongOnTurnsTheLivingBodiesIntoSnakeBricksWithoutTheirLastEntry) {
  model.Settings.PlayerCount = 2;
  PlayerState& snake = SetBody(1, {{5, 5}, {4, 5}, {3, 5}}, Direction::Right);
  snake.Color = RgbColor(9, 9, 9);
  SetBody(2, {{5, 9}, {4, 9}, {3, 9}}, Direction::Right).Lives = 0;
  model.ScreenState = TitleScreen;  // whatever the field shows

  game.options().SetLong(true);
  EXPECT_TRUE(model.Settings.Long);
  for (const auto& [x, y] : {Cell{5, 5}, Cell{4, 5}}) {
    const BoardCell& cell = model.LevelGrid.at(x, y);
    EXPECT_EQ(cell.Occupied, 1);
    EXPECT_EQ(cell.Content, static_cast<std::int32_t>(RgbColor(9, 9, 9)));
    EXPECT_EQ(cell.Extra[0], SnakeBrickMark);
  }
  EXPECT_EQ(model.LevelGrid.at(3, 5).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(5, 9).Occupied, 0);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(OptionsTest, LongOffStacksAFreshLengthOnEveryHeadByTheTargetAndThePlayers) {
  model.Settings.Long = true;
  model.TargetNumber = 5;
  SetBody(1, {{20, 5}}, Direction::Right);
  model.LevelGrid.at(20, 5) = BoardCell{7, 1, {SnakeBrickMark}};
  model.LevelGrid.at(19, 5) = BoardCell{7, 1, {SnakeBrickMark}};

  game.options().SetLong(false);
  const PlayerState& snake = model.Players[1];
  EXPECT_EQ(snake.Length, 22);  // 25 / 2 = 12, + 10
  for (int k = 1; k <= 22; ++k) EXPECT_EQ(Cell(snake.BodyX[k], snake.BodyY[k]), Cell(20, 5)) << k;
  EXPECT_EQ(model.LevelGrid.at(20, 5).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(19, 5).Occupied, 1);  // the trail stays

  // Two players, the second one dead: both get 12 / 2 + 10.
  model.Settings.PlayerCount = 2;
  SetBody(2, {{30, 9}}, Direction::Left).Lives = 0;
  game.options().SetLong(false);
  EXPECT_EQ(model.Players[1].Length, 16);
  EXPECT_EQ(model.Players[2].Length, 16);
  EXPECT_EQ(Cell(model.Players[2].BodyX[16], model.Players[2].BodyY[16]), Cell(30, 9));

  // No game on the board: nothing to convert.
  model.ScreenState = TitleScreen;
  model.Settings.PlayerCount = 1;
  game.options().SetLong(false);
  EXPECT_EQ(model.Players[1].Length, 16);
}

// A missing archive is the choice saved for the next run too; a run that
// only failed to sound keeps the stored choices for a run that has sound.
TEST_F(OptionsTest, SoundFilesDecideTheSilentRunAndAMissingArchiveSwitchesSoundsAndMusicOff) {
  struct Case {
    SoundFiles files;
    bool noSoundFiles, soundsAfter;
  };
  for (const Case& run : {Case{SoundFiles::Ready, false, true}, Case{SoundFiles::Unavailable, true, true},
                          Case{SoundFiles::ArchiveMissing, true, false}}) {
    model.Settings.NoSoundFiles = !run.noSoundFiles;  // as a saved run may have left it
    model.Settings.Sounds = true;
    model.Settings.Music = true;
    game.options().SetSoundFiles(run.files);
    EXPECT_EQ(model.Settings.NoSoundFiles, run.noSoundFiles);
    EXPECT_EQ(model.Settings.Sounds, run.soundsAfter);
    EXPECT_EQ(model.Settings.Music, run.soundsAfter);
  }
}

}  // namespace
}  // namespace coilrun::testing
