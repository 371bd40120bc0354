#include "formats/audio_files.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "formats/audio_archive.h"
#include "formats/file_handle.h"

namespace coilrun {

namespace {

std::string Quoted(const std::filesystem::path& file) {
  std::string quoted(1, '"');
  quoted += file.string();
  quoted += '"';
  return quoted;
}

SoundUnpackResult Failure(FileError error) { return {SoundUnpacking::Failed, std::move(error)}; }

FileError ReadError(const std::filesystem::path& archive, int errnoValue) {
  return FileError("Unable to read " + Quoted(archive) + ": " + FileError::FromErrno(errnoValue).text());
}

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

  FileResult Create() {
    for (int entry = 0; entry < kAudioEntryCount; ++entry) {
      files_[entry] = OpenFile(SoundFilePath(directory_, entry), "wb");
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

  FileError WriteFailure() const { return WriteError(failedEntry_, failedErrno_); }

  // Closing flushes, so a full disk can show up only now.
  FileResult Close() {
    FileResult error;
    for (int entry = 0; entry < kAudioEntryCount; ++entry) {
      const FileResult closed = CloseFile(files_[entry]);
      if (closed && !error) error = WriteError(entry, closed->text());
    }
    if (error) {
      RemoveSoundFiles(directory_);
    } else {
      kept_ = true;
    }
    return error;
  }

 private:
  FileError WriteError(int entry, int errnoValue) const {
    return WriteError(entry, FileError::FromErrno(errnoValue).text());
  }
  FileError WriteError(int entry, const std::string& why) const {
    return FileError("Unable to write " + Quoted(SoundFilePath(directory_, entry)) + ": " + why);
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
  FileHandle input = OpenFile(archive, "rb");
  if (!input) return {SoundUnpacking::ArchiveMissing, {}};

  const std::string damaged = "The sound archive " + Quoted(archive) + " is damaged: ";
  std::array<std::uint8_t, kAudioHeaderSize> header{};
  const std::size_t headerRead = std::fread(header.data(), 1, header.size(), input.get());
  if (std::ferror(input.get())) return Failure(ReadError(archive, errno));
  if (headerRead < header.size()) {
    return Failure(FileError(damaged + "it is shorter than its " + std::to_string(kAudioHeaderSize) + "-byte header."));
  }
  const AudioEntrySizes sizes = DecodeAudioHeader(header);
  if (const auto negative = NegativeAudioEntry(sizes)) return Failure(FileError(damaged + *negative + "."));

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
    case AudioCopyResult::ReadFailed: return Failure(ReadError(archive, readErrno));
    case AudioCopyResult::WriteFailed: return Failure(files.WriteFailure());
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
