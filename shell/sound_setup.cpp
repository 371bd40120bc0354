#include "shell/sound_setup.h"

#include "shell/sound_files.h"

#ifndef COILRUN_INSTALLED_DATA
#define COILRUN_INSTALLED_DATA "../share/coilrun"
#endif

namespace coilrun {

namespace {

constexpr const char* kSilentRun = "The game runs without sound.";

}  // namespace

std::filesystem::path FindAudioArchive(const std::filesystem::path& programDirectory) {
  const std::filesystem::path beside = programDirectory / "audio.dat";
  const std::filesystem::path installed = programDirectory / COILRUN_INSTALLED_DATA / "audio.dat";
  std::error_code error;
  if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error)) return installed;
  return beside;
}

std::optional<std::string> ExtractSounds(GameSettings& settings, MediaPlayers& players,
                                         const std::filesystem::path& archive, const std::filesystem::path& directory) {
  settings.NoSoundFiles = false;
  const SoundUnpackResult unpacked = UnpackAudioArchive(archive, directory);
  if (unpacked.outcome == SoundUnpacking::ArchiveMissing) {
    settings.NoSoundFiles = true;
    settings.Sounds = false;
    settings.Music = false;
    return kMissingAudioMessage;
  }
  if (unpacked.outcome == SoundUnpacking::Failed) {
    settings.NoSoundFiles = true;
    return unpacked.error + "\n" + kSilentRun;
  }

  // Music that is off waits to be loaded until it is switched on: its
  // soundfont would more than double the memory of the whole start-up.
  const std::vector<std::string> errors =
      players.Open(directory, settings.Music ? MusicOutput::Loading::Ahead : MusicOutput::Loading::AtFirstStart);
  if (errors.empty()) return std::nullopt;
  std::string message = errors.front();
  for (std::size_t i = 1; i < errors.size(); ++i) message += "\n" + errors[i];
  if (!players.deviceOpen()) {
    settings.NoSoundFiles = true;
    RemoveSoundFiles(directory);
    message += "\n" + std::string(kSilentRun);
  }
  return message;
}

void DeleteSoundFiles(const GameSettings& settings, MediaPlayers& players, const std::filesystem::path& directory) {
  if (settings.NoSoundFiles) return;
  players.Close();
  RemoveSoundFiles(directory);
}

}  // namespace coilrun
