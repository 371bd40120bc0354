#include "game/game_recorder.h"

#include <algorithm>
#include <filesystem>

#include "engine/rule_state.h"
#include "formats/run_length.h"
#include "formats/whole_file.h"
#include "game/menu_state.h"
#include "game/recorded_start.h"

namespace coilrun {

void GameRecorder::GameStarting(const GameStartRequest& request) {
  if (current_) Finish(false);
  Replay replay;
  replay.rulesVersion = kRulesVersion;
  replay.start = request.start;
  replay.level = static_cast<std::uint16_t>(request.level);
  // A command-line game is set up from the settings, which the start state holds.
  const bool fromSettings = request.start == ReplayStart::CommandLine;
  const GameSettings& settings = model_.Settings;
  replay.playerCount = static_cast<std::uint8_t>(
      std::clamp(fromSettings ? settings.PlayerCount : request.choice.PlayerCount, 1, kMaxPlayers));
  replay.competition = fromSettings ? settings.Competition : request.choice.Competition;
  replay.winsTarget = static_cast<std::uint8_t>(
      std::clamp(fromSettings ? settings.WinsTarget : request.choice.WinsTarget, 1, kMaxWinsTarget));
  replay.builtIn = !fromSettings && request.choice.BuiltIn;
  replay.speed = static_cast<std::uint8_t>(model_.Settings.Speed);
  replay.showMessages = model_.Settings.ShowMessages;
  for (int player = 1; player <= kMaxPlayers; ++player) replay.names[player - 1] = model_.Players[player].Name;
  // A command-line game seats people alone.
  if (!fromSettings) replay.computers = RecordedComputers(request.choice.Seats);
  const std::string levelFile = request.start == ReplayStart::CommandLine ? request.levelFile
                                : request.start == ReplayStart::Dialog && !request.choice.BuiltIn
                                    ? request.choice.LevelFile
                                    : std::string();
  levelFileProblem_.reset();
  if (!levelFile.empty()) {
    replay.levelFileName = std::filesystem::path(levelFile).filename().string();
    auto read = ReadWholeFile(levelFile, kLargestReplayLevelFile);
    if (auto* bytes = std::get_if<std::vector<std::uint8_t>>(&read)) {
      replay.levelFile = std::move(*bytes);
    } else {
      // The game itself reports what is wrong with its file, if anything is.
      levelFileProblem_ = std::get<FileError>(read).text();
    }
  }
  replay.startState = PackRuns(RuleStateBytes(model_));
  current_ = std::move(replay);
  sawPlay_ = false;
}

void GameRecorder::Seed(std::uint32_t seed) {
  if (current_) current_->seeds.push_back(seed);
}

void GameRecorder::Input(const GameInput& input) {
  if (current_) current_->events.push_back({current_->beats + 1, input});
}

void GameRecorder::BeatDone() {
  if (!current_) return;
  ++current_->beats;
  if (current_->beats % kReplayChecksumBeats == 0) current_->checksums.push_back(RuleChecksum(model_));
}

void GameRecorder::InputDone() {
  if (!current_) return;
  if (GameInPlay(model_)) {
    sawPlay_ = true;
  } else {
    Finish(true);
  }
}

void GameRecorder::CutShort() {
  if (current_) Finish(false);
}

// A start that came to nothing (a level file that could not be opened) is
// no game worth keeping.
void GameRecorder::Finish(bool ended) {
  Replay& replay = *current_;
  replay.ended = ended;
  for (int player = 1; player <= kMaxPlayers; ++player) replay.finalScores[player - 1] = model_.Players[player].Score;
  replay.finalChecksum = RuleChecksum(model_);
  if ((sawPlay_ || replay.beats > 0) && !levelFileProblem_) {
    last_ = std::move(replay);
    ++gamesKept_;
    if (onKept_) onKept_(*last_);
  }
  current_.reset();
}

}  // namespace coilrun
