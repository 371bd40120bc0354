#include "game/menu_state.h"

#include "tests/support/course_fixture.h"

namespace coilrun::testing {
namespace {

constexpr GameMenuState kNoGame{.NewVisible = true, .HelpItemsEnabled = true};
constexpr GameMenuState kRunning{
    .NewVisible = false, .PauseVisible = true, .StopVisible = true, .HelpItemsEnabled = false};
constexpr GameMenuState kPaused{
    .NewVisible = false, .PauseVisible = true, .PauseChecked = true, .StopVisible = true, .HelpItemsEnabled = true};

TEST(MenuStateTest, FollowsTheScreenAndAPausedGameUnderneath) {
  struct Row {
    std::uint8_t screen;
    bool paused;
    GameMenuState expected;
  };
  const Row rows[] = {
      {TitleScreen, false, kNoGame},  {AboutScreen, false, kNoGame},     {CongratulationsScreen, false, kNoGame},
      {WinnerScreen, false, kNoGame}, {BoardScreen, false, kRunning},    {PauseScreen, true, kPaused},
      {KeysScreen, true, kPaused},    {BrickTypesScreen, true, kPaused},
  };
  for (const Row& row : rows) {
    GameModel model;
    model.ScreenState = row.screen;
    model.Settings.Paused = row.paused;
    EXPECT_EQ(MenuStateFor(model), row.expected) << int{row.screen};
    // F2 opens the new game dialog exactly where the menu offers New.
    EXPECT_EQ(GameInPlay(model), !row.expected.NewVisible) << int{row.screen};
  }
}

using MenuCourseTest = CourseFixture;

TEST_F(MenuCourseTest, PauseHelpKeysAndPauseAgainResumesWithoutTheCheckMark) {
  ASSERT_TRUE(game.StartButtonClick({.PlayerCount = 1}));
  EXPECT_EQ(MenuStateFor(model), kRunning);
  game.Pause1Click();
  EXPECT_EQ(MenuStateFor(model), kPaused);
  model.ScreenState = KeysScreen;
  EXPECT_EQ(MenuStateFor(model), kPaused);
  game.Pause1Click();
  EXPECT_EQ(State(), CourseState::Running);
  EXPECT_EQ(MenuStateFor(model), kRunning);
  game.Stop1Click();
  EXPECT_EQ(MenuStateFor(model), kNoGame);
}

}  // namespace
}  // namespace coilrun::testing
