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

static_assert(kLastComputerSkill == kSkillCount, "a replay keeps every skill");

NewGameChoice RecordedChoice(const Replay& start, const std::filesystem::path& levelFile) {
  NewGameChoice choice;
  choice.PlayerCount = start.playerCount;
  choice.Competition = start.competition;
  choice.WinsTarget = start.winsTarget;
  choice.BuiltIn = start.builtIn;
  choice.LevelFile = levelFile.string();
  choice.Seats = SeatsOfRecording(start.computers);
  return choice;
}

std::array<std::uint8_t, 4> RecordedComputers(const Seats& seats) {
  std::array<std::uint8_t, 4> computers{};
  for (int player = 1; player <= kMaxPlayers; ++player) {
    if (seats.IsComputer(player)) computers[player - 1] = static_cast<std::uint8_t>(seats.seat[player].skill) + 1;
  }
  return computers;
}

Seats SeatsOfRecording(const std::array<std::uint8_t, 4>& computers) {
  Seats seats;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const std::uint8_t computer = computers[player - 1];
    if (computer >= 1 && computer <= kSkillCount) seats.seat[player] = {SeatKind::Computer, kSkills[computer - 1]};
  }
  return seats;
}

}  // namespace coilrun
