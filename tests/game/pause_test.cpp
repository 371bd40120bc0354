#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

using PauseTest = GameFixture;

TEST_F(PauseTest, ResumingUnderAHelpScreenClearsTheBoardFirst) {
  host.gameTimerOn = true;
  game.Pause1Click();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"DrawPauseBox"}));

  model.ScreenState = KeysScreen;  // opened from the Help menu while paused
  view.calls.clear();
  game.Pause1Click();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearBoard", "ErasePauseBox"}));
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_TRUE(host.gameTimerOn);
}

TEST_F(PauseTest, DoesNothingWithoutAGame) {
  model.ScreenState = TitleScreen;
  game.Pause1Click();
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(model.Settings.Paused);
  EXPECT_FALSE(host.gameTimerOn);
}

}  // namespace
}  // namespace coilrun::testing
