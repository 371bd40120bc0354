// The sounds at start-up and exit: audio.dat unpacked into the data
// directory and the players opened on the files; at exit the players closed
// and the files deleted.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/model.h"
#include "shell/media_players.h"

namespace coilrun {

inline constexpr const char* kMissingAudioMessage = "Unable to open the file \"AUDIO.DAT\".";

// audio.dat beside the program, or where an installation puts it; the
// program's own directory when neither has one.
std::filesystem::path FindAudioArchive(const std::filesystem::path& programDirectory);

// Sets NoSoundFiles when the run has to be silent. A missing archive also
// switches Sounds and Music off, as the saved settings then show; a damaged
// archive, a directory that cannot be written or a missing sound device
// leave them as they are, for the next run may have sound again. Returns the
// message to show, if any.
std::optional<std::string> ExtractSounds(GameSettings& settings, MediaPlayers& players,
                                         const std::filesystem::path& archive, const std::filesystem::path& directory);

// Does nothing when the run had no sound files.
void DeleteSoundFiles(const GameSettings& settings, MediaPlayers& players, const std::filesystem::path& directory);

}  // namespace coilrun
