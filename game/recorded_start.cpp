#include "game/recorded_start.h"

#include <memory>

#include "engine/rule_state.h"
#include "formats/file_handle.h"
#include "formats/run_length.h"

namespace coilrun {

namespace {

FileResult WriteLevelFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  FileHandle file = OpenFile(path, "wb");
  if (!file) return FileError::FromErrno(errno);
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    return FileError::FromErrno(errno);
  }
  return CloseFile(file);
}

}  // namespace

std::optional<std::string> SetUpRecordedStart(const Replay& start, GameModel& model,
                                              const std::filesystem::path& levelFile) {
  const auto state = UnpackRuns(start.startState, RuleStateSize());
  auto restored = std::make_unique<GameModel>(model);
  if (!state || !RestoreRuleState(*state, *restored)) return "The game's starting state is damaged.";
  if (start.start == ReplayStart::CommandLine || !start.builtIn) {
    if (const FileResult written = WriteLevelFile(levelFile, start.levelFile)) {
      return "The game's level file could not be written: " + written->text();
    }
  }
  model = *restored;
  for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].Name = start.names[player - 1];
  model.Settings.Speed = start.speed;
  model.Settings.ShowMessages = start.showMessages;
  return std::nullopt;
}

NewGameChoice RecordedChoice(const Replay& start, const std::filesystem::path& levelFile) {
  NewGameChoice choice;
  choice.PlayerCount = start.playerCount;
  choice.Competition = start.competition;
  choice.WinsTarget = start.winsTarget;
  choice.BuiltIn = start.builtIn;
  choice.LevelFile = levelFile.string();
  return choice;
}

}  // namespace coilrun
