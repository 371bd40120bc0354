#include "tests/support/course_fixture.h"

#include "tests/support/offers.h"

namespace coilrun::testing {

namespace {

constexpr std::uint8_t kEndOfLevelByte = 0xCE;

bool HelpScreen(int screen) {
  return screen == KeysScreen || screen == HighScoreScreen || screen == AboutScreen || screen == BrickTypesScreen;
}

}  // namespace

CourseState CourseStateOf(const GameModel& model, bool gameTimerOn) {
  const int screen = model.ScreenState;
  const bool paused = model.Settings.Paused;
  if (screen == BoardScreen && !paused) return gameTimerOn ? CourseState::Running : CourseState::BetweenLevels;
  if (gameTimerOn) return CourseState::Unlisted;
  if (paused) return screen == PauseScreen || HelpScreen(screen) ? CourseState::Paused : CourseState::Unlisted;
  return screen >= KeysScreen ? CourseState::Idle : CourseState::Unlisted;
}

void PrintTo(CourseState state, std::ostream* out) {
  static constexpr const char* kNames[] = {"Idle", "Running", "Paused", "BetweenLevels", "Unlisted"};
  *out << kNames[static_cast<int>(state)];
}

void StateWatchingHost::ShowMessage(const std::string& text) {
  statesAtMessage.push_back(CourseStateOf(model_, gameTimerOn));
  FakeHost::ShowMessage(text);
}

CourseFixture::CourseFixture() {
  model.Settings.Wrap = false;
  model.Settings.Sounds = false;
  const char* names[] = {"", "Ann", "Bob", "Cid", "Dee"};
  for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].Name = names[player];
  LetEveryScoreRank(host.highScores);
  game.CopyBuiltInLevels();
}

void CourseFixture::EatNinthTarget(int player) {
  model.TargetNumber = 9;
  parts.rules.EatTarget(player);
}

std::vector<int> CourseFixture::Offered() const { return OfferedPlayers(host, model); }

std::string CourseFixture::WriteLevelFile(const std::string& name, int levels) const {
  return directory.Write(name, std::vector<std::uint8_t>(levels, kEndOfLevelByte));
}

}  // namespace coilrun::testing
