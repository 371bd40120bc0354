// The three level sources: the built-in block, stream files and grid files.
#include <algorithm>
#include <cerrno>

#include "engine/game.h"
#include "game/builtin_level_block.h"
#include "game/io_error.h"
#include "game/level_stream.h"
#include "game/level_writing.h"

namespace coilrun {

namespace {

constexpr int kLevelsExhausted = kBuiltInLevelCount + 1;
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

bool AtEndOfFile(std::FILE* file) {
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

void Game::CopyBuiltInLevels() { CopyBuiltInLevels(BuiltInLevelBlock()); }

void Game::CopyBuiltInLevels(std::span<const std::uint8_t> block) {
  BuiltInLevelData.fill(0);
  std::copy_n(block.begin(), std::min(block.size(), BuiltInLevelData.size()), BuiltInLevelData.begin());
}

std::int32_t Game::BuiltInLevelStart(int level) const {
  return static_cast<std::int32_t>(BuiltInLevelStartIn(BuiltInLevelData, level));
}

void Game::DecodeBuiltInLevel() {
  BuiltInByteSource source(BuiltInLevelData, BuiltInPos);
  LevelGridWriter writer(model_);
  ReadLevelRecord(source, kBuiltInShift, writer);
}

void Game::ClearGrid() {
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) model_.LevelGrid.at(x, y).Occupied = 0;
  }
}

bool Game::OpenLevelFile(const std::string& name) {
  try {
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
  } catch (const InOutError& error) {
    host_.ShowMessage(error.what());
    return false;
  }
  model_.LevelNumber = kFirstFileLevel;
  model_.Settings.LevelFileName = StoredFileName(name);
  // The game's levels come from this file from now on, also when it holds
  // none: the end of the game and the next level read this flag.
  model_.Settings.BuiltInLevels = false;
  return true;
}

void Game::OpenLevelFileForGame(const std::string& name, bool isStream) {
  // A game reads one file; the last game's file of the other format is done with.
  (isStream ? GridLevelFile : StreamLevelFile).reset();
  LevelFileIsStream = isStream;
  LevelFile file(std::fopen(name.c_str(), "rb"));
  if (!file) throw InOutError(IoErrorText(errno));
  (isStream ? StreamLevelFile : GridLevelFile) = std::move(file);
}

void Game::CloseLevelFile() {
  LevelFile& file = LevelFileIsStream ? StreamLevelFile : GridLevelFile;
  if (file && std::fclose(file.release()) != 0) host_.ShowMessage(IoErrorText(errno));
}

void Game::LoadStreamLevel() {
  ClearGrid();
  FileByteSource source(StreamLevelFile.get());
  LevelGridWriter writer(model_);
  if (ReadLevelRecord(source, kStreamShift, writer).End != LevelEnd::EndMarker) throw InOutError(kReadBeyondEnd);
}

void Game::LoadGridLevel() {
  ClearGrid();
  std::array<std::uint8_t, kGridLevelBytes> bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), GridLevelFile.get()) != bytes.size()) {
    throw InOutError(std::ferror(GridLevelFile.get()) ? IoErrorText(errno) : kReadBeyondEnd);
  }
  WriteGridLevel(model_, bytes);
}

void Game::OnLevelsExhausted() {
  if (model_.Settings.Competition) {
    model_.LevelGrid = model_.LevelBackup;
    StartLevel();
  } else {
    OnEnd();
  }
}

void Game::NextBuiltInLevel() {
  if (model_.LevelNumber >= kLevelsExhausted) {
    OnLevelsExhausted();
    return;
  }
  ClearGrid();
  DecodeBuiltInLevel();
  model_.Settings.BuiltInLevels = true;
  StartLevel();
}

bool Game::NextFileLevel(std::FILE* file, void (Game::*loadLevel)()) {
  bool exhausted = false;
  try {
    if (file == nullptr) throw InOutError(kFileNotOpen);
    exhausted = AtEndOfFile(file);
    if (!exhausted) (this->*loadLevel)();
  } catch (const InOutError& error) {
    host_.ShowMessage(error.what());
    return false;
  }
  if (exhausted) {
    OnLevelsExhausted();
    return true;
  }
  PlaceSnakes();
  model_.Settings.BuiltInLevels = false;
  StartLevel();
  return true;
}

bool Game::NextStreamLevel() { return NextFileLevel(StreamLevelFile.get(), &Game::LoadStreamLevel); }

bool Game::NextGridLevel() { return NextFileLevel(GridLevelFile.get(), &Game::LoadGridLevel); }

}  // namespace coilrun
