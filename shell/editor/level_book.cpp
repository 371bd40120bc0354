#include "shell/editor/level_book.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "formats/file_handle.h"
#include "formats/level_stream.h"

namespace coilrun {

namespace {

class CensusSink : public RecordSink {
 public:
  explicit CensusSink(LevelBook::Census& census) : census_(census) {}
  // A later record for the same cell replaces the earlier one, but the
  // editor writes one record per cell, so counting records counts bricks.
  void Place(const LevelRecord& record) override {
    ++census_.bricks;
    if (record.Kind != NormalBrick) ++census_.special;
  }

 private:
  LevelBook::Census& census_;
};

// Counts the records the game would skip because their cell lies outside
// the grid; the design never sees them.
class CountingDesignWriter : public LevelDesignWriter {
 public:
  using LevelDesignWriter::LevelDesignWriter;
  void Outside(const LevelRecord&) override { ++outside; }
  int outside = 0;
};

std::string LevelSentence(std::size_t number, const std::string& what) {
  return "level " + std::to_string(number) + ": " + what;
}

}  // namespace

LevelDesign LevelBook::Level(std::size_t index) const {
  LevelDesign level;
  SpanByteSource source(records_.at(index));
  LevelDesignWriter writer(level);
  ReadLevelRecord(source, kStreamShift, writer);
  return level;
}

void LevelBook::SetLevel(std::size_t index, const LevelDesign& level) { records_.at(index) = StreamRecordOf(level); }

void LevelBook::Insert(std::size_t index, const LevelDesign& level) {
  records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(std::min(index, records_.size())),
                  StreamRecordOf(level));
}

void LevelBook::Remove(std::size_t index) { records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index)); }

void LevelBook::Move(std::size_t from, std::size_t to) {
  if (from >= records_.size() || to >= records_.size() || from == to) return;
  const auto first = records_.begin();
  if (from < to) {
    std::rotate(first + static_cast<std::ptrdiff_t>(from), first + static_cast<std::ptrdiff_t>(from + 1),
                first + static_cast<std::ptrdiff_t>(to + 1));
  } else {
    std::rotate(first + static_cast<std::ptrdiff_t>(to), first + static_cast<std::ptrdiff_t>(from),
                first + static_cast<std::ptrdiff_t>(from + 1));
  }
}

LevelBook::Census LevelBook::CensusOf(std::size_t index) const {
  Census census;
  SpanByteSource source(records_.at(index));
  CensusSink sink(census);
  ReadLevelRecord(source, kStreamShift, sink);
  return census;
}

std::vector<std::uint8_t> LevelBook::Encode(LevelFileFormat format) const {
  if (format == LevelFileFormat::Stream) {
    LevelFileEncoder encoder(LevelFileEncoder::Format::Stream);
    for (std::size_t index = 0; index < records_.size(); ++index) encoder.Add(Level(index));
    return encoder.Finish();
  }
  LevelFileEncoder encoder(LevelFileEncoder::Format::Grid);
  for (std::size_t index = 0; index < records_.size(); ++index) encoder.Add(NormalBricksOnly(Level(index)));
  return encoder.Finish();
}

std::vector<std::uint8_t> StreamRecordOf(const LevelDesign& level) {
  LevelFileEncoder encoder(LevelFileEncoder::Format::Stream);
  encoder.Add(level);
  return encoder.Finish();
}

LevelDesign NormalBricksOnly(const LevelDesign& level) {
  LevelDesign kept = level;
  for (auto& column : kept.Cells) {
    for (DesignCell& cell : column) {
      if (cell.Kind != NormalBrick) cell = DesignCell{};
    }
  }
  return kept;
}

LevelFileRead ReadLevelBytes(std::span<const std::uint8_t> bytes) {
  LevelFileRead read;
  if (IsGridFileSize(bytes.size())) {
    read.format = LevelFileFormat::Grid;
    for (std::size_t start = 0; start < bytes.size(); start += kGridLevelBytes) {
      read.levels.Insert(read.levels.size(), DesignFromGridBytes(bytes.subspan(start).first<kGridLevelBytes>()));
    }
    return read;
  }
  read.format = LevelFileFormat::Stream;
  SpanByteSource source(bytes);
  while (source.position() < bytes.size()) {
    const std::size_t number = read.levels.size() + 1;
    LevelDesign level;
    CountingDesignWriter writer(level);
    const LevelReadResult result = ReadLevelRecord(source, kStreamShift, writer);
    if (writer.outside > 0) {
      read.problems.push_back(LevelSentence(number, std::to_string(writer.outside) +
                                                        (writer.outside == 1 ? " brick lies" : " bricks lie") +
                                                        " outside the grid; the game skips them, and the editor "
                                                        "does not save them again"));
    }
    if (result.End != LevelEnd::EndMarker) {
      const bool anyBrick = level != LevelDesign{};
      read.problems.push_back(LevelSentence(
          number,
          FileError::ReadBeyondEnd().text() + ": the file ends before the level's end marker" +
              (anyBrick ? "; the bricks before the end are kept" : " and holds no brick after the last level")));
      if (!anyBrick) break;
    }
    read.levels.Insert(read.levels.size(), level);
  }
  return read;
}

LevelFileRead ReadLevelFile(const std::filesystem::path& file) {
  LevelFileRead read;
  FileHandle input = OpenFile(file, "rb");
  if (!input) {
    read.failure = FileError::FromErrno(errno);
    return read;
  }
  // A directory opens like a file, and its size is no size.
  struct stat status {};
  if (::fstat(::fileno(input.get()), &status) != 0 || S_ISDIR(status.st_mode)) {
    read.failure = FileError::FromErrno(S_ISDIR(status.st_mode) ? EISDIR : errno);
    return read;
  }
  if (std::fseek(input.get(), 0, SEEK_END) != 0) {
    read.failure = FileError::FromErrno(errno);
    return read;
  }
  const long size = std::ftell(input.get());
  if (size < 0 || std::fseek(input.get(), 0, SEEK_SET) != 0) {
    read.failure = FileError::FromErrno(errno);
    return read;
  }
  if (static_cast<std::uintmax_t>(size) > kMaxEditedFileBytes) {
    read.failure = FileError("the file has " + std::to_string(size) + " bytes; the level editor opens files of up to " +
                             std::to_string(kMaxEditedFileBytes >> 20) + " MiB");
    return read;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (std::fread(bytes.data(), 1, bytes.size(), input.get()) != bytes.size()) {
    read.failure = std::ferror(input.get()) ? FileError::FromErrno(errno) : FileError::ReadBeyondEnd();
    return read;
  }
  return ReadLevelBytes(bytes);
}

std::optional<LevelDesign> BuiltInLevelOf(std::span<const std::uint8_t> block, int number) {
  if (number < 1) return std::nullopt;
  const std::size_t start = BuiltInLevelStartIn(block, number);
  if (start + 1 >= block.size()) return std::nullopt;
  // The game advances before every read: the level's first byte follows the
  // position the search answers.
  SpanByteSource source(block.subspan(start + 1));
  LevelDesign level;
  LevelDesignWriter writer(level);
  if (ReadLevelRecord(source, kBuiltInShift, writer).End != LevelEnd::EndMarker) return std::nullopt;
  return level;
}

}  // namespace coilrun
