#include "tests/tournament/tournament.h"

#include <cstdio>
#include <random>
#include <sstream>

#include "bench/silent_game.h"
#include "game/game.h"
#include "tests/support/fake_host.h"

namespace coilrun::testing {

namespace {

// Far beyond any competition the computers decide: two Masters to three
// wins take a few thousand beats.
constexpr long kMostBeatsPerGame = 40000;

// 1 or 2 for the competition's winner, 0 when it was not decided.
int PlayCompetition(const NewGameChoice& choice, int level, std::uint32_t seed, long& beats) {
  GameModel model;
  FakeHost host;
  SilentView view;
  GameParts parts(model, view.views(), host.ports());
  Game game(parts);
  game.CopyBuiltInLevels();
  model.Settings.Sounds = false;
  std::mt19937 random(seed);
  host.seed = random();
  host.inputAnswers = {std::to_string(level)};
  game.Startlevel1Click(choice);
  for (long beat = 0; beat < kMostBeatsPerGame && host.gameTimerOn; ++beat) {
    host.seed = random();
    game.TimerTimer();
    ++beats;
    host.messages.clear();
    host.timerOnAtMessage.clear();
  }
  if (model.ScreenState != WinnerScreen) return 0;
  const int first = model.Players[1].Wins;
  const int second = model.Players[2].Wins;
  return first > second ? 1 : second > first ? 2 : 0;
}

}  // namespace

PairResult PlayPair(Skill stronger, Skill weaker, int games, std::uint32_t seed, int winsTarget) {
  PairResult result{.stronger = stronger, .weaker = weaker};
  std::mt19937 random(seed);
  for (int game = 0; game < games; ++game) {
    const int strongerSeat = 1 + game % 2;
    NewGameChoice choice{.PlayerCount = 2, .Competition = true, .WinsTarget = winsTarget};
    choice.Seats.seat[strongerSeat] = {SeatKind::Computer, stronger};
    choice.Seats.seat[3 - strongerSeat] = {SeatKind::Computer, weaker};
    const int level = 1 + static_cast<int>(random() % kBuiltInLevelCount);
    const int winner = PlayCompetition(choice, level, random(), result.beats);
    ++result.games;
    if (winner == 0) {
      ++result.undecided;
    } else if (winner == strongerSeat) {
      ++result.strongerWins;
    } else {
      ++result.weakerWins;
    }
  }
  return result;
}

std::string Table(const std::vector<PairResult>& results) {
  std::ostringstream table;
  table << "stronger   weaker     games  won  lost  undecided  win rate\n";
  for (const PairResult& pair : results) {
    char line[128];
    std::snprintf(line, sizeof line, "%-10s %-10s %5d %4d %5d %10d  %6.1f %%\n",
                  std::string(SkillName(pair.stronger)).c_str(), std::string(SkillName(pair.weaker)).c_str(),
                  pair.games, pair.strongerWins, pair.weakerWins, pair.undecided, 100 * pair.StrongerRate());
    table << line;
  }
  return table.str();
}

}  // namespace coilrun::testing
