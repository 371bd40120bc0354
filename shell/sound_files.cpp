#include "shell/sound_files.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "game/io_error.h"
#include "shell/audio_archive.h"

namespace coilrun {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string Quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

SoundUnpackResult Failure(std::string error) { return {SoundUnpacking::Failed, std::move(error)}; }

// The seven output files, created before any data is copied and removed
// again unless the unpacking completes.
class SoundFileSet {
 public:
  explicit SoundFileSet(const std::filesystem::path& directory) : directory_(directory) {}
  ~SoundFileSet() {
    if (kept_) return;
    for (int entry = 0; entry < kAudioEntryCount; ++entry) {
      if (!files_[entry]) continue;
      files_[entry].reset();
      std::error_code ignored;
      std::filesystem::remove(SoundFilePath(directory_, entry), ignored);
    }
  }

  std::optional<std::string> Create() {
    for (int entry = 0; entry < kAudioEntryCount; ++entry) {
      files_[entry].reset(std::fopen(SoundFilePath(directory_, entry).c_str(), "wb"));
      if (!files_[entry]) return WriteError(entry, errno);
    }
    return std::nullopt;
  }

  bool Write(int entry, std::span<const std::uint8_t> bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), files_[entry].get()) == bytes.size()) return true;
    failedEntry_ = entry;
    failedErrno_ = errno;
    return false;
  }

  std::optional<std::string> WriteFailure() const { return WriteError(failedEntry_, failedErrno_); }

  // Closing flushes, so a full disk can show up only now.
  std::optional<std::string> Close() {
    std::optional<std::string> error;
    for (int entry = 0; entry < kAudioEntryCount; ++entry) {
      if (std::fclose(files_[entry].release()) != 0 && !error) error = WriteError(entry, errno);
    }
    if (error) {
      RemoveSoundFiles(directory_);
    } else {
      kept_ = true;
    }
    return error;
    return std::nullopt;
  }

 private:
  std::string WriteError(int entry, int errnoValue) const {
    return "Unable to write " + Quoted(SoundFilePath(directory_, entry)) + ": " + IoErrorText(errnoValue);
  }

  std::filesystem::path directory_;
  std::array<FileHandle, kAudioEntryCount> files_;
  bool kept_ = false;
  int failedEntry_ = 0;
  int failedErrno_ = 0;
};

}  // namespace

std::filesystem::path SoundFilePath(const std::filesystem::path& directory, int entry) {
  return directory / kAudioEntryNames[entry];
}

SoundUnpackResult UnpackAudioArchive(const std::filesystem::path& archive, const std::filesystem::path& directory) {
  FileHandle input(std::fopen(archive.c_str(), "rb"));
  if (!input) return {SoundUnpacking::ArchiveMissing, {}};

  const std::string damaged = "The sound archive " + Quoted(archive) + " is damaged: ";
  std::array<std::uint8_t, kAudioHeaderSize> header{};
  const std::size_t headerRead = std::fread(header.data(), 1, header.size(), input.get());
  if (std::ferror(input.get())) return Failure("Unable to read " + Quoted(archive) + ": " + IoErrorText(errno));
  if (headerRead < header.size()) {
    return Failure(damaged + "it is shorter than its " + std::to_string(kAudioHeaderSize) + "-byte header.");
  }
  const AudioEntrySizes sizes = DecodeAudioHeader(header);
  if (const auto negative = NegativeAudioEntry(sizes)) return Failure(damaged + *negative + ".");

  SoundFileSet files(directory);
  if (const auto error = files.Create()) return Failure(*error);

  auto buffer = std::make_unique<std::array<std::uint8_t, kAudioCopyBufferSize>>();
  int readErrno = 0;
  const auto read = [&](std::span<std::uint8_t> piece) -> std::optional<std::size_t> {
    const std::size_t count = std::fread(piece.data(), 1, piece.size(), input.get());
    if (std::ferror(input.get())) {
      readErrno = errno;
      return std::nullopt;
    }
    return count;
  };
  const auto write = [&](int entry, std::span<const std::uint8_t> piece) { return files.Write(entry, piece); };
  switch (CopyAudioEntries(sizes, *buffer, read, write)) {
    case AudioCopyResult::ReadFailed:
      return Failure("Unable to read " + Quoted(archive) + ": " + IoErrorText(readErrno));
    case AudioCopyResult::WriteFailed: return Failure(*files.WriteFailure());
    case AudioCopyResult::Copied: break;
  }
  if (const auto error = files.Close()) return Failure(*error);
  return {};
}

void RemoveSoundFiles(const std::filesystem::path& directory) {
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    std::error_code ignored;
    std::filesystem::remove(SoundFilePath(directory, entry), ignored);
  }
}

}  // namespace coilrun
