#include "shell/sound_setup.h"

#include "shell/data_directory.h"

namespace coilrun {

namespace {

constexpr const char* kSilentRun = "The game runs without sound.";

}  // namespace

std::filesystem::path FindAudioArchive(const std::filesystem::path& programDirectory) {
  const std::filesystem::path beside = programDirectory / "audio.dat";
  const std::filesystem::path installed = InstalledDataDirectory(programDirectory) / "audio.dat";
  std::error_code error;
  if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error)) return installed;
  return beside;
}

std::future<SoundUnpackResult> UnpackSoundsAhead(const std::filesystem::path& archive,
                                                 const std::filesystem::path& directory) {
  return std::async(std::launch::async, [archive, directory] { return UnpackAudioArchive(archive, directory); });
}

SoundSetup OpenSounds(bool musicOn, MediaPlayers& players, const SoundUnpackResult& unpacked,
                      const std::filesystem::path& directory) {
  if (unpacked.outcome == SoundUnpacking::ArchiveMissing)
    return {SoundFiles::ArchiveMissing, FileError(kMissingAudioMessage)};
  if (unpacked.outcome == SoundUnpacking::Failed) {
    return {SoundFiles::Unavailable, FileError(unpacked.failure->text() + "\n" + kSilentRun)};
  }

  // Music that is off waits to be loaded until it is switched on: its
  // soundfont would more than double the memory of the whole start-up.
  const std::vector<std::string> errors =
      players.Open(directory, musicOn ? MusicOutput::Loading::Ahead : MusicOutput::Loading::AtFirstStart);
  if (errors.empty()) return {};
  std::string message = errors.front();
  for (std::size_t i = 1; i < errors.size(); ++i) message += "\n" + errors[i];
  if (players.deviceOpen()) return {SoundFiles::Ready, FileError(message)};
  RemoveSoundFiles(directory);
  message += "\n" + std::string(kSilentRun);
  return {SoundFiles::Unavailable, FileError(message)};
}

void DeleteSoundFiles(bool noSoundFiles, MediaPlayers& players, const std::filesystem::path& directory) {
  if (noSoundFiles) return;
  players.Close();
  RemoveSoundFiles(directory);
}

}  // namespace coilrun
