#include "engine/brick_colors.h"

#include <gtest/gtest.h>

namespace coilrun {
namespace {

TEST(BrickColorAtTest, FollowsTheLevelNumberModuloFour) {
  GameModel model;
  model.LevelNumber = 4;
  EXPECT_EQ(BrickColorAt(model, 10, 13), RgbColor(50, 51, 255));
  model.LevelNumber = 1;
  EXPECT_EQ(BrickColorAt(model, 0, 5), RgbColor(255, 0, 0));
  EXPECT_EQ(BrickColorAt(model, 49, 5), RgbColor(10, 0, 245));
  model.LevelNumber = 102;
  EXPECT_EQ(BrickColorAt(model, 13, 30), RgbColor(105, 51, 65));
  model.LevelNumber = 3;
  EXPECT_EQ(BrickColorAt(model, 0, 0), 0u);  // black, which then draws as no brick
  EXPECT_EQ(BrickColorAt(model, 50, 30), RgbColor(250, 0, 180));
}

TEST(BrickColorAtTest, UsesTheFirstBrickColourWithoutMixingAndSnakeColoursAlways) {
  GameModel model;
  model.LevelNumber = 1;
  model.Settings.MixBricksColors = false;
  EXPECT_EQ(BrickColorAt(model, 7, 7), RgbColor(0x00, 0x80, 0x80));

  BoardCell& laid = model.LevelGrid.at(7, 7);
  laid.Content = static_cast<std::int32_t>(RgbColor(0xFF, 0xFF, 0x00));
  laid.Extra[0] = SnakeBrickMark;
  EXPECT_EQ(BrickColorAt(model, 7, 7), RgbColor(0xFF, 0xFF, 0x00));
  model.Settings.MixBricksColors = true;
  EXPECT_EQ(BrickColorAt(model, 7, 7), RgbColor(0xFF, 0xFF, 0x00));
}

}  // namespace
}  // namespace coilrun
