// The seven sound files unpacked from audio.dat into the game's data
// directory at start-up and removed again at exit.
#pragma once

#include <filesystem>

#include "formats/file_error.h"

namespace coilrun {

enum class SoundUnpacking { Unpacked, ArchiveMissing, Failed };

struct SoundUnpackResult {
  SoundUnpacking outcome = SoundUnpacking::Unpacked;
  // For Failed: what went wrong, naming the file.
  FileResult failure;
};

std::filesystem::path SoundFilePath(const std::filesystem::path& directory, int entry);

// Creates (or truncates) all seven files before copying any data, then copies
// each entry. A short archive gives short files without an error. On failure
// none of the seven files is left behind.
SoundUnpackResult UnpackAudioArchive(const std::filesystem::path& archive, const std::filesystem::path& directory);

// Deletes the seven files; one that cannot be deleted is left alone.
void RemoveSoundFiles(const std::filesystem::path& directory);

}  // namespace coilrun
