#include "game/level_sources.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

#include "formats/level_stream.h"
#include "game/builtin_level_block.h"
#include "game/level_writing.h"

namespace coilrun {

namespace {

const FileError kFileNotOpen("File not open");

// Reads the built-in buffer the way the block is defined: every read first
// advances the position, which then rests on the last byte read.
class BuiltInByteSource : public ByteSource {
 public:
  BuiltInByteSource(std::span<const std::uint8_t> data, std::int32_t& position) : data_(data), position_(position) {}
  std::optional<std::uint8_t> Next() override {
    if (position_ + 1 < 0 || static_cast<std::size_t>(position_ + 1) >= data_.size()) return std::nullopt;
    ++position_;
    return data_[position_];
  }

 private:
  std::span<const std::uint8_t> data_;
  std::int32_t& position_;
};

// The end of the file answers nullopt, and so does a failed read, which it
// keeps.
class FileByteSource : public ByteSource {
 public:
  explicit FileByteSource(std::FILE* file) : file_(file) {}
  std::optional<std::uint8_t> Next() override {
    const int byte = std::fgetc(file_);
    if (byte == EOF) {
      if (std::ferror(file_)) failure_ = FileError::FromErrno(errno);
      return std::nullopt;
    }
    return static_cast<std::uint8_t>(byte);
  }
  const FileResult& failure() const { return failure_; }

 private:
  std::FILE* file_;
  FileResult failure_;
};

// Whether the game's file has a level left: true or false, or a failure.
struct LevelsLeft {
  bool any = false;
  FileResult failure;
};

LevelsLeft CheckLevelsLeft(std::FILE* file) {
  if (file == nullptr) return {false, kFileNotOpen};
  const int byte = std::fgetc(file);
  if (byte == EOF) {
    if (std::ferror(file)) return {false, FileError::FromErrno(errno)};
    return {false, std::nullopt};
  }
  std::ungetc(byte, file);
  return {true, std::nullopt};
}

// Cut to what the settings record can hold, never inside a UTF-8 sequence.
std::string StoredFileName(const std::string& name) {
  if (name.size() <= static_cast<std::size_t>(kMaxFileNameLength)) return name;
  std::size_t length = kMaxFileNameLength;
  while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
  return name.substr(0, length);
}

}  // namespace

LevelSources::LevelSources(GameModel& model) : model_(model), builtInLevelData_(kBuiltInLevelCapacity) {}

void LevelSources::CopyBuiltInLevels() { CopyBuiltInLevels(BuiltInLevelBlock()); }

void LevelSources::CopyBuiltInLevels(std::span<const std::uint8_t> block) {
  std::fill(builtInLevelData_.begin(), builtInLevelData_.end(), 0);
  std::copy_n(block.begin(), std::min(block.size(), builtInLevelData_.size()), builtInLevelData_.begin());
}

std::int32_t LevelSources::BuiltInLevelStart(int level) const {
  return static_cast<std::int32_t>(BuiltInLevelStartIn(builtInLevelData_, level));
}

void LevelSources::DecodeBuiltInLevel() {
  BuiltInByteSource source(builtInLevelData_, builtInPos_);
  LevelGridWriter writer(model_);
  ReadLevelRecord(source, kBuiltInShift, writer);
}

void LevelSources::ClearGrid() {
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) model_.LevelGrid.at(x, y).Occupied = 0;
  }
}

FileResult LevelSources::OpenLevelFile(const std::string& name) {
  FileHandle probe = OpenFile(name, "rb");
  if (!probe) {
    // The game's own handle may still hold the file.
    if (FileResult closed = CloseLevelFile()) return closed;
    probe = OpenFile(name, "rb");
  }
  if (!probe) return FileError::FromErrno(errno);
  if (std::fseek(probe.get(), 0, SEEK_END) != 0) return FileError::FromErrno(errno);
  const long size = std::ftell(probe.get());
  if (size < 0) return FileError::FromErrno(errno);
  if (FileResult closed = CloseFile(probe)) return closed;
  if (FileResult opened = OpenLevelFileForGame(name, !IsGridFileSize(static_cast<std::uintmax_t>(size)))) return opened;
  model_.LevelNumber = kFirstFileLevel;
  model_.Settings.LevelFileName = StoredFileName(name);
  return std::nullopt;
}

FileResult LevelSources::OpenLevelFileForGame(const std::string& name, bool isStream) {
  // A game reads one file; the last game's file of the other format is done with.
  (isStream ? gridLevelFile_ : streamLevelFile_).reset();
  levelFileIsStream_ = isStream;
  FileHandle file = OpenFile(name, "rb");
  if (!file) return FileError::FromErrno(errno);
  (isStream ? streamLevelFile_ : gridLevelFile_) = std::move(file);
  return std::nullopt;
}

FileResult LevelSources::CloseLevelFile() { return CloseFile(levelFileIsStream_ ? streamLevelFile_ : gridLevelFile_); }

bool LevelSources::LevelFileOpen() const { return (levelFileIsStream_ ? streamLevelFile_ : gridLevelFile_) != nullptr; }

LevelRead LevelSources::LoadStreamLevel() {
  const LevelsLeft left = CheckLevelsLeft(streamLevelFile_.get());
  if (!left.any) return {false, left.failure};
  ClearGrid();
  FileByteSource source(streamLevelFile_.get());
  LevelGridWriter writer(model_);
  const LevelEnd end = ReadLevelRecord(source, kStreamShift, writer).End;
  if (source.failure()) return {false, source.failure()};
  if (end != LevelEnd::EndMarker) return {false, FileError::ReadBeyondEnd()};
  return {true, std::nullopt};
}

LevelRead LevelSources::LoadGridLevel() {
  const LevelsLeft left = CheckLevelsLeft(gridLevelFile_.get());
  if (!left.any) return {false, left.failure};
  ClearGrid();
  std::array<std::uint8_t, kGridLevelBytes> bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), gridLevelFile_.get()) != bytes.size()) {
    return {false, std::ferror(gridLevelFile_.get()) ? FileError::FromErrno(errno) : FileError::ReadBeyondEnd()};
  }
  WriteGridLevel(model_, bytes);
  return {true, std::nullopt};
}

}  // namespace coilrun
