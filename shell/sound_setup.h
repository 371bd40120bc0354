// The sounds at start-up and exit: audio.dat unpacked into the data
// directory and the players opened on the files; at exit the players closed
// and the files deleted.
#pragma once

#include <filesystem>
#include <future>

#include "formats/audio_files.h"
#include "formats/file_error.h"
#include "game/game_options.h"
#include "shell/media_players.h"

namespace coilrun {

inline constexpr const char* kMissingAudioMessage = "Unable to open the file \"AUDIO.DAT\".";

// audio.dat beside the program, or where an installation puts it; the
// program's own directory when neither has one.
std::filesystem::path FindAudioArchive(const std::filesystem::path& programDirectory);

struct SoundSetup {
  SoundFiles files = SoundFiles::Ready;
  // What the player is told, if anything.
  FileResult failure;
};

// audio.dat unpacked on a thread of its own, so that the files are written
// while the window is built; the sound step takes the outcome.
std::future<SoundUnpackResult> UnpackSoundsAhead(const std::filesystem::path& archive,
                                                 const std::filesystem::path& directory);

// The players opened on the unpacked files. Music that is off is loaded
// only when it is first switched on.
SoundSetup OpenSounds(bool musicOn, MediaPlayers& players, const SoundUnpackResult& unpacked,
                      const std::filesystem::path& directory);

// Does nothing when the run had no sound files.
void DeleteSoundFiles(bool noSoundFiles, MediaPlayers& players, const std::filesystem::path& directory);

}  // namespace coilrun
