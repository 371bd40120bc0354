#include "game/play_test.h"

namespace coilrun {

void PlayTest::Begin() {
  if (!running_) {
    keptLevelFileName_ = model_.Settings.LevelFileName;
    keptBuiltInLevels_ = model_.Settings.BuiltInLevels;
    running_ = true;
  }
  highScores_.SetOffering(false);
}

void PlayTest::End() {
  if (!running_) return;
  model_.Settings.LevelFileName = keptLevelFileName_;
  model_.Settings.BuiltInLevels = keptBuiltInLevels_;
  running_ = false;
  highScores_.SetOffering(true);
}

}  // namespace coilrun
