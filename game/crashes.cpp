// What a crash costs: a life in a normal game, the round in a competition.
#include <cstdint>
#include <string>

#include "engine/crash_codes.h"
#include "game/course.h"

namespace coilrun {

namespace {

constexpr int kSurvivorPoints = 100;

}  // namespace

void Course::On_Bump(int crashCode) {
  if (model_.Settings.Competition) {
    On_Competition_Bump(crashCode);
  } else {
    On_Normal_Bump(crashCode);
  }
}

void Course::On_Normal_Bump(int crashCode) {
  if (!IsCrashCode(crashCode)) return;
  timers_.SetTimerEnabled(GameTimer::Game, false);
  rules_.Bump_Sound();
  auto loseLife = [this](int player) {
    std::int8_t& lives = model_.Players[player].Lives;
    if (lives > 0) --lives;
  };
  auto offerIfOut = [this](int player) {
    if (model_.Players[player].Lives == 0) highScores_.ReWriteHS(player);
  };

  if (crashCode < 0) {
    const auto [first, second] = HeadOnPair(crashCode);
    loseLife(first);
    loseLife(second);
    // A message box shows its text as written, so one "&" joins the names;
    // only captions double it to show one.
    prompts_.ShowMessage(model_.Players[first].Name + " & " + model_.Players[second].Name + " died.");
    offerIfOut(first);
    offerIfOut(second);
  } else {
    prompts_.ShowMessage(model_.Players[crashCode].Name + " died.");
    loseLife(crashCode);
    offerIfOut(crashCode);
  }

  int livesLeft = 0;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) livesLeft += model_.Players[player].Lives;
  if (livesLeft > 0) {
    RestartAfterDeath();
    return;
  }
  prompts_.ShowMessage("Game Over.");
  timers_.SetTimerEnabled(GameTimer::Game, false);
  model_.TargetNumber = 0;
  screens_.ShowScreen(TitleScreen);
}

void Course::On_Competition_Bump(int crashCode) {
  if (!IsCrashCode(crashCode)) return;
  timers_.SetTimerEnabled(GameTimer::Game, false);
  rules_.Bump_Sound();
  const int playerCount = PlayersInGame(model_.Settings);
  const auto addSurvivorPoints = [this](int player) {
    std::int32_t& roundScore = model_.Players[player].RoundScore;
    roundScore = AddPoints(roundScore, kSurvivorPoints);
  };
  if (crashCode < 0) {
    const auto [first, second] = HeadOnPair(crashCode);
    model_.Players[first].RoundScore = 0;
    model_.Players[second].RoundScore = 0;
    for (int player = 1; player <= playerCount; ++player) {
      if (player != first && player != second) addSurvivorPoints(player);
    }
  } else {
    for (int player = 1; player <= playerCount; ++player) {
      if (player != crashCode && model_.Players[player].Lives > 0) addSurvivorPoints(player);
    }
    model_.Players[crashCode].RoundScore = 0;
  }
  Level_Done_Message();
  RestartAfterDeath();
}

}  // namespace coilrun
