// The promises the rules make about the model, checked after every beat of
// a soak: bodies on the grid, lengths, lives, wins and scores in range, the
// target on a free cell, the level's saved copy untouched while it is played
// and handed back whole at every replay, and nothing written beside the model.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/model.h"

namespace coilrun::testing {

// The model between two guard bands, so that a write just beside it shows.
struct GuardedModel {
  static constexpr std::uint64_t kGuard = 0x5AFE'C011'5AFE'C011;
  std::array<std::uint64_t, 16> before;
  GameModel model;
  std::array<std::uint64_t, 16> after;

  GuardedModel() {
    before.fill(kGuard);
    after.fill(kGuard);
  }
};

class ModelPromises {
 public:
  explicit ModelPromises(const GuardedModel& guarded) : guarded_(guarded), model_(guarded.model) {}

  // A new game begins; nothing of the last one is compared with it.
  void GameStarted();
  // A level starts, fresh or replayed; its bricks are just being drawn.
  void LevelStarted();
  // After a beat: appends a line for every promise broken. `levelInPlay`
  // says whether the game timer runs, which the model does not record.
  void CheckBeat(bool levelInPlay, std::vector<std::string>& breaches);

  int levelStarts() const { return levelStarts_; }

 private:
  void CheckPlayers(std::vector<std::string>& breaches);
  void CheckTarget(std::vector<std::string>& breaches) const;
  bool DoorLinks(int x, int y) const;

  const GuardedModel& guarded_;
  const GameModel& model_;
  BoardGrid savedLevel_;
  bool levelSaved_ = false;
  std::int16_t levelNumber_ = 0;
  int levelStarts_ = 0;
  std::array<std::uint8_t, kMaxPlayers + 1> wins_{};
  std::vector<std::string> replayBreaches_;
};

}  // namespace coilrun::testing
