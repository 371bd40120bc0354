// A game started again from a replay's start: the rule state it started
// from, its names and settings, its level file written where the game can
// open it, and the same start command. Replays and network games start so.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "formats/replay_file.h"
#include "game/game.h"
#include "game/input_router.h"

namespace coilrun {

// Puts the start's rule state, names and settings in the model and writes
// its level file; the reason when it cannot, with the model untouched.
std::optional<std::string> SetUpRecordedStart(const Replay& start, GameModel& model,
                                              const std::filesystem::path& levelFile);
// The new game dialog's choices of the start, on the written level file.
NewGameChoice RecordedChoice(const Replay& start, const std::filesystem::path& levelFile);
// The seats as a replay keeps them, and back.
std::array<std::uint8_t, 4> RecordedComputers(const Seats& seats);
Seats SeatsOfRecording(const std::array<std::uint8_t, 4>& computers);

}  // namespace coilrun
