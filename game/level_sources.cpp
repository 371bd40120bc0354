#include "game/level_sources.h"

#include <algorithm>
#include <cerrno>

#include "game/builtin_level_block.h"
#include "game/io_error.h"
#include "game/level_stream.h"
#include "game/level_writing.h"

namespace coilrun {

namespace {

constexpr const char* kFileNotOpen = "File not open";

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

// A failed read raises the error; the end of the file answers nullopt.
class FileByteSource : public ByteSource {
 public:
  explicit FileByteSource(std::FILE* file) : file_(file) {}
  std::optional<std::uint8_t> Next() override {
    const int byte = std::fgetc(file_);
    if (byte == EOF) {
      if (std::ferror(file_)) throw InOutError(IoErrorText(errno));
      return std::nullopt;
    }
    return static_cast<std::uint8_t>(byte);
  }

 private:
  std::FILE* file_;
};

// True when the game's file has no level left.
bool AtEndOfFile(std::FILE* file) {
  if (file == nullptr) throw InOutError(kFileNotOpen);
  const int byte = std::fgetc(file);
  if (byte == EOF) {
    if (std::ferror(file)) throw InOutError(IoErrorText(errno));
    return true;
  }
  std::ungetc(byte, file);
  return false;
}

std::uintmax_t FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) throw InOutError(IoErrorText(errno));
  const long size = std::ftell(file);
  if (size < 0) throw InOutError(IoErrorText(errno));
  return static_cast<std::uintmax_t>(size);
}

// Cut to what the settings record can hold, never inside a UTF-8 sequence.
std::string StoredFileName(const std::string& name) {
  if (name.size() <= static_cast<std::size_t>(kMaxFileNameLength)) return name;
  std::size_t length = kMaxFileNameLength;
  while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
  return name.substr(0, length);
}

}  // namespace

LevelSources::LevelSources(GameModel& model) : model_(model), BuiltInLevelData(kBuiltInLevelCapacity) {}

void LevelSources::CopyBuiltInLevels() { CopyBuiltInLevels(BuiltInLevelBlock()); }

void LevelSources::CopyBuiltInLevels(std::span<const std::uint8_t> block) {
  std::fill(BuiltInLevelData.begin(), BuiltInLevelData.end(), 0);
  std::copy_n(block.begin(), std::min(block.size(), BuiltInLevelData.size()), BuiltInLevelData.begin());
}

std::int32_t LevelSources::BuiltInLevelStart(int level) const {
  return static_cast<std::int32_t>(BuiltInLevelStartIn(BuiltInLevelData, level));
}

void LevelSources::DecodeBuiltInLevel() {
  BuiltInByteSource source(BuiltInLevelData, BuiltInPos);
  LevelGridWriter writer(model_);
  ReadLevelRecord(source, kBuiltInShift, writer);
}

void LevelSources::ClearGrid() {
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) model_.LevelGrid.at(x, y).Occupied = 0;
  }
}

void LevelSources::OpenLevelFile(const std::string& name) {
  LevelFile probe(std::fopen(name.c_str(), "rb"));
  if (!probe) {
    // The game's own handle may still hold the file.
    CloseLevelFile();
    probe.reset(std::fopen(name.c_str(), "rb"));
  }
  if (!probe) throw InOutError(IoErrorText(errno));
  const bool isStream = !IsGridFileSize(FileSize(probe.get()));
  if (std::fclose(probe.release()) != 0) throw InOutError(IoErrorText(errno));
  OpenLevelFileForGame(name, isStream);
  model_.LevelNumber = kFirstFileLevel;
  model_.Settings.LevelFileName = StoredFileName(name);
}

void LevelSources::OpenLevelFileForGame(const std::string& name, bool isStream) {
  // A game reads one file; the last game's file of the other format is done with.
  (isStream ? GridLevelFile : StreamLevelFile).reset();
  LevelFileIsStream = isStream;
  LevelFile file(std::fopen(name.c_str(), "rb"));
  if (!file) throw InOutError(IoErrorText(errno));
  (isStream ? StreamLevelFile : GridLevelFile) = std::move(file);
}

void LevelSources::CloseLevelFile() {
  LevelFile& file = LevelFileIsStream ? StreamLevelFile : GridLevelFile;
  if (file && std::fclose(file.release()) != 0) throw InOutError(IoErrorText(errno));
}

bool LevelSources::LevelFileOpen() const { return (LevelFileIsStream ? StreamLevelFile : GridLevelFile) != nullptr; }

bool LevelSources::LoadStreamLevel() {
  if (AtEndOfFile(StreamLevelFile.get())) return false;
  ClearGrid();
  FileByteSource source(StreamLevelFile.get());
  LevelGridWriter writer(model_);
  if (ReadLevelRecord(source, kStreamShift, writer).End != LevelEnd::EndMarker) throw InOutError(kReadBeyondEnd);
  return true;
}

bool LevelSources::LoadGridLevel() {
  if (AtEndOfFile(GridLevelFile.get())) return false;
  ClearGrid();
  std::array<std::uint8_t, kGridLevelBytes> bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), GridLevelFile.get()) != bytes.size()) {
    throw InOutError(std::ferror(GridLevelFile.get()) ? IoErrorText(errno) : kReadBeyondEnd);
  }
  WriteGridLevel(model_, bytes);
  return true;
}

}  // namespace coilrun
