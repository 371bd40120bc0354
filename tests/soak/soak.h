// Whole games played by autopilot snakes, headless on the fake host, with
// the model's promises checked after every beat. Each game takes one of the
// mixes of one to four players, normal game or competition, Wrap and Long
// on or off, and a level source: the new game dialog's built-in levels, a
// built-in level skipped to with Ctrl+F12, or one of the sample level files.
// About half the seats are the game's own computer players, at any skill;
// the plain autopilots press the keys of every seat, so that those of a
// computer's seat are refused as a person's would be.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/skill.h"
#include "formats/replay_file.h"

namespace coilrun::testing {

struct SoakFigures {
  long beats = 0;
  long games = 0;
  long levelsFinished = 0;
  long deaths = 0;
  std::set<int> builtInLevelsPlayed;
  // How many games had each mix: players, competition, Wrap, Long.
  std::array<long, 5> gamesOfPlayers{};
  long competitions = 0;
  long wrapGames = 0;
  long longGames = 0;
  // Computer seats in play, by skill.
  std::array<long, kSkillCount> computerSeats{};
  // How the games ended, by a few words each.
  std::map<std::string, long> gameEnds;
};

// A game as the recorder kept it, with the rule state's checksum after each
// of its beats as the soak saw them.
struct RecordedGame {
  Replay replay;
  std::vector<std::uint32_t> checksums;
};

class Soak {
 public:
  // `samples` holds sample-stream.lvl and sample-grid.lvl.
  Soak(std::uint32_t seed, std::filesystem::path samples);

  // Plays games of at most `beatsPerGame` beats until `beats` have passed,
  // or until too many promises have been broken to go on usefully.
  void Run(long beats, long beatsPerGame);

  const SoakFigures& figures() const { return figures_; }
  // Each broken promise, with the beat and the game it happened in.
  const std::vector<std::string>& breaches() const { return breaches_; }
  std::string Summary() const;
  // Every game is recorded as it is played; with this, the recordings are
  // kept with a checksum of every beat.
  void KeepRecordings() { keepRecordings_ = true; }
  const std::vector<RecordedGame>& recordings() const { return recordings_; }

 private:
  std::uint32_t seed_;
  std::filesystem::path samples_;
  SoakFigures figures_;
  std::vector<std::string> breaches_;
  bool keepRecordings_ = false;
  std::vector<RecordedGame> recordings_;
};

}  // namespace coilrun::testing
