#include "tests/soak/soak.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>

#include "bench/silent_game.h"
#include "engine/autopilot.h"
#include "engine/keys.h"
#include "engine/rule_state.h"
#include "game/autopilot_keys.h"
#include "game/game.h"
#include "game/game_sessions.h"
#include "tests/soak/model_promises.h"
#include "tests/support/fake_host.h"

namespace coilrun::testing {

namespace {

// Past this many, further reports would only repeat the first.
constexpr std::size_t kMostBreaches = 20;
// About one beat in this many the game is paused, and resumed the next.
constexpr std::uint32_t kPauseOdds = 997;

enum class Source { Dialog, Skip, StreamFile, GridFile };
// Half the games skip to a built-in level, so that every level gets played.
constexpr Source kSources[] = {Source::Skip,       Source::Dialog, Source::Skip,
                               Source::StreamFile, Source::Skip,   Source::GridFile};

const char* NameOf(Source source) {
  switch (source) {
    case Source::Dialog: return "built-in levels from 1";
    case Source::Skip: return "built-in levels from";
    case Source::StreamFile: return "sample-stream.lvl";
    case Source::GridFile: return "sample-grid.lvl";
  }
  return "";
}

// Tells the promises of every level start and notes the built-in levels played.
class SoakView : public SilentView {
 public:
  SoakView(const GameModel& model, ModelPromises& promises, std::set<int>& builtInLevelsPlayed)
      : model_(model), promises_(promises), builtInLevelsPlayed_(builtInLevelsPlayed) {}
  void DrawBricks() override {
    promises_.LevelStarted();
    if (model_.Settings.BuiltInLevels && model_.LevelNumber <= kBuiltInLevelCount) {
      builtInLevelsPlayed_.insert(model_.LevelNumber);
    }
  }

 private:
  const GameModel& model_;
  ModelPromises& promises_;
  std::set<int>& builtInLevelsPlayed_;
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

Soak::Soak(std::uint32_t seed, std::filesystem::path samples) : seed_(seed), samples_(std::move(samples)) {}

void Soak::Run(long beats, long beatsPerGame) {
  const auto guarded = std::make_unique<GuardedModel>();
  GameModel& model = guarded->model;
  FakeHost host;
  ModelPromises promises(*guarded);
  SoakView view(model, promises, figures_.builtInLevelsPlayed);
  GameSessions sessions(model, host.ports());
  GameParts parts(model, view.views(), sessions.ports());
  sessions.Plug(parts);
  Game game(parts);
  std::vector<std::uint32_t> checksums;
  std::size_t gamesKept = 0;
  // A game's recording is kept once it ends or the next one starts.
  const auto collect = [&] {
    if (!keepRecordings_ || sessions.recorder().gamesKept() == gamesKept) return;
    gamesKept = sessions.recorder().gamesKept();
    recordings_.push_back({*sessions.recorder().lastGame(), std::move(checksums)});
    checksums.clear();
  };
  game.CopyBuiltInLevels();
  std::mt19937 random(seed_);
  std::vector<int> skipLevels(kBuiltInLevelCount);
  std::iota(skipLevels.begin(), skipLevels.end(), 1);
  std::shuffle(skipLevels.begin(), skipLevels.end(), random);
  std::size_t skips = 0;
  for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].Name = "Soak" + std::to_string(player);
  // A computer is never asked for a name, whatever its score.
  const auto checkNamesAsked = [&](const std::string& when) {
    for (const std::string& prompt : host.inputPrompts) {
      for (int player = 1; player <= kMaxPlayers; ++player) {
        if (parts.computers.seats().IsComputer(player) &&
            prompt.starts_with("High scores|Soak" + std::to_string(player))) {
          breaches_.push_back(when + ": player " + std::to_string(player) + ", a computer, was asked for a name");
        }
      }
    }
    host.inputPrompts.clear();
  };

  while (figures_.beats < beats && breaches_.size() < kMostBreaches) {
    const long gameNumber = figures_.games++;
    NewGameChoice choice;
    choice.PlayerCount = 1 + static_cast<int>(random() % kMaxPlayers);
    choice.Competition = choice.PlayerCount > 1 && random() % 2 == 0;
    choice.WinsTarget = 1 + static_cast<int>(random() % 5);
    for (int player = 1; player <= kMaxPlayers; ++player) {
      const bool computer = random() % 2 == 0;
      const Skill skill = kSkills[random() % kSkillCount];
      choice.Seats.seat[player] = {computer ? SeatKind::Computer : SeatKind::Human, skill};
      if (computer && player <= choice.PlayerCount) ++figures_.computerSeats[static_cast<int>(skill)];
    }
    // Through the options, as the player would change them: a game still in
    // play takes them as inputs.
    const bool wrap = random() % 2 == 0;
    game.options().SetWrap(wrap);
    const bool longSnakes = random() % 4 == 0;
    game.options().SetLong(longSnakes);
    model.Settings.Sounds = true;
    model.Settings.ShowMessages = true;
    ++figures_.gamesOfPlayers[choice.PlayerCount];
    figures_.competitions += choice.Competition ? 1 : 0;
    figures_.wrapGames += model.Settings.Wrap ? 1 : 0;
    figures_.longGames += model.Settings.Long ? 1 : 0;
    const Source source = kSources[gameNumber % std::size(kSources)];
    const int skipLevel = source == Source::Skip ? skipLevels[skips++ % skipLevels.size()] : 0;

    std::ostringstream mix;
    mix << "game " << gameNumber + 1 << " (" << choice.PlayerCount << " players, "
        << (choice.Competition ? "competition to " + std::to_string(choice.WinsTarget) : "normal")
        << (model.Settings.Wrap ? ", Wrap" : "") << (model.Settings.Long ? ", Long" : "") << ", " << NameOf(source)
        << (source == Source::Skip ? " " + std::to_string(skipLevel) : "");
    for (int player = 1; player <= choice.PlayerCount; ++player) {
      if (choice.Seats.IsComputer(player))
        mix << ", computer " << player << " " << SkillName(choice.Seats.seat[player].skill);
    }
    mix << ")";

    // The new game dialog opens only between games, so what is left of the
    // last one is stopped first.
    if (source != Source::Skip) game.Stop1Click();
    checkNamesAsked("before " + mix.str());
    collect();
    promises.GameStarted();
    switch (source) {
      case Source::Dialog: game.StartButtonClick(choice); break;
      case Source::Skip:
        host.inputAnswers = {std::to_string(skipLevel)};
        game.Startlevel1Click(choice);
        break;
      case Source::StreamFile:
      case Source::GridFile:
        choice.BuiltIn = false;
        choice.LevelFile = (samples_ / NameOf(source)).string();
        game.StartButtonClick(choice);
        break;
    }
    collect();

    std::vector<Autopilot> pilots;
    for (int player = 1; player <= kMaxPlayers; ++player) pilots.emplace_back(player, random());
    std::string lastMessage;
    for (long beat = 0; beat < beatsPerGame && figures_.beats < beats && breaches_.size() < kMostBreaches; ++beat) {
      if (model.Settings.Paused) {
        game.FormKeyDown(VkP, ShiftNone);
      } else if (!host.gameTimerOn) {
        break;
      } else if (random() % kPauseOdds == 0) {
        game.FormKeyDown(VkP, ShiftNone);
        continue;
      }
      host.seed = random();
      for (Autopilot& pilot : pilots) Steer(pilot, game);
      if (host.gameTimerOn) {
        game.TimerTimer();
        if (keepRecordings_) checksums.push_back(RuleChecksum(model));
      }
      ++figures_.beats;
      // The ninth target, and only it, plays the level-finished sound.
      figures_.levelsFinished += std::count(host.sounds.begin(), host.sounds.end(), "play LevelFinished");
      for (const std::string& message : host.messages) {
        if (EndsWith(message, " died.")) ++figures_.deaths;
      }
      if (!host.messages.empty()) lastMessage = host.messages.back();
      host.messages.clear();
      host.timerOnAtMessage.clear();
      host.sounds.clear();
      checkNamesAsked(mix.str() + ", beat " + std::to_string(beat + 1));
      host.timerOnAtInput.clear();

      std::vector<std::string> broken;
      promises.CheckBeat(host.gameTimerOn, broken);
      for (const std::string& breach : broken) {
        breaches_.push_back(mix.str() + ", beat " + std::to_string(beat + 1) + ": " + breach);
      }
    }

    std::string end = "still in play when its turn ended";
    if (model.ScreenState == WinnerScreen) {
      end = "competition decided";
    } else if (lastMessage == "Game Over.") {
      end = "all lives lost";
    } else if (model.ScreenState == CongratulationsScreen || model.ScreenState == DisappointmentScreen ||
               lastMessage == "You have finished all levels." ||
               (model.ScreenState == BoardScreen && !host.gameTimerOn && lastMessage.starts_with("Level "))) {
      end = "levels ran out";
    } else if (!host.gameTimerOn && !model.Settings.Paused) {
      end = "stopped after \"" + lastMessage + "\"";
    }
    ++figures_.gameEnds[end];
  }
  game.Stop1Click();
  collect();
}

std::string Soak::Summary() const {
  std::ostringstream text;
  text << figures_.beats << " beats in " << figures_.games << " games: " << figures_.levelsFinished
       << " levels finished, " << figures_.deaths << " deaths, " << figures_.builtInLevelsPlayed.size()
       << " of the 82 built-in levels played, " << breaches_.size() << " promises broken\n";
  text << "  games of 1, 2, 3, 4 players: " << figures_.gamesOfPlayers[1] << ", " << figures_.gamesOfPlayers[2] << ", "
       << figures_.gamesOfPlayers[3] << ", " << figures_.gamesOfPlayers[4] << "; " << figures_.competitions
       << " competitions, " << figures_.wrapGames << " with Wrap, " << figures_.longGames << " with Long\n";
  text << "  computer seats:";
  for (const Skill skill : kSkills) {
    text << ' ' << figures_.computerSeats[static_cast<int>(skill)] << ' ' << SkillName(skill)
         << (skill == Skill::Master ? "\n" : ",");
  }
  for (const auto& [end, count] : figures_.gameEnds) text << "  " << count << " games: " << end << '\n';
  return text.str();
}

}  // namespace coilrun::testing
