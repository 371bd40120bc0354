#include "formats/level_design.h"

#include <algorithm>

namespace coilrun {

namespace {

constexpr std::uint8_t kBuiltInEndMarker = kBuiltInShift + kEndOfLevel;
// Skipped by the decoder: it stands in front of a stream file whose size
// would otherwise make it a grid file, and it opens the built-in block.
constexpr std::uint8_t kPaddingValue = 0;

void AppendLevelRecords(const LevelDesign& level, std::uint8_t shift, std::vector<std::uint8_t>& bytes) {
  const auto put = [&](int value) { bytes.push_back(static_cast<std::uint8_t>(value + shift)); };
  for (int y = 0; y < kGridRows; ++y) {
    for (int x = 0; x < kGridColumns; ++x) {
      const DesignCell& cell = level.at(x, y);
      if (cell.Kind == 0) continue;
      put(-cell.Kind);
      put(x);
      put(y);
      for (int i = 0; i < ExtraCountOf(static_cast<BrickKind>(cell.Kind)); ++i) put(cell.Extra[i]);
    }
  }
  put(kEndOfLevel);
}

std::string Numbered(const char* what, std::size_t number) {
  std::string text(what);
  text += std::to_string(number);
  return text;
}

}  // namespace

std::span<const KindLetter> KindLetters() {
  static constexpr KindLetter kLegend[] = {
      {0, '.', "none"},           {NormalBrick, '#', "normal"}, {CharacterBrick, 'C', "char"},
      {DoorBrick, 'D', "door"},   {InOutBrick, 'I', "inout"},   {ReboundBrick, 'R', "rebound"},
      {ScoreBrick, 'S', "score"}, {LifeBrick, 'L', "life"},
  };
  return kLegend;
}

char LetterOf(int kind) {
  for (const KindLetter& entry : KindLetters()) {
    if (entry.Kind == kind) return entry.Letter;
  }
  return '?';
}

void LevelDesignWriter::Place(const LevelRecord& record) {
  // Only the bytes of the new kind belong to the brick; the text form has
  // no place for bytes an earlier record left behind.
  DesignCell& cell = level_.at(record.X, record.Y);
  cell = DesignCell{.Kind = record.Kind};
  std::copy_n(record.Extra.begin(), ExtraCountOf(record.Kind), cell.Extra.begin());
}

LevelDesign DesignFromGridBytes(std::span<const std::uint8_t, kGridLevelBytes> bytes) {
  LevelDesign level;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    if (bytes[k] != 0) level.at(GridColumnOf(k), GridRowOf(k)).Kind = NormalBrick;
  }
  return level;
}

FileResult LevelFileEncoder::Add(const LevelDesign& level) {
  if (format_ == Format::Stream) {
    AppendLevelRecords(level, kStreamShift, bytes_);
    ++levelCount_;
    return std::nullopt;
  }
  for (std::size_t k = 0; k < kGridLevelBytes; ++k) {
    const DesignCell& cell = level.at(GridColumnOf(k), GridRowOf(k));
    if (cell.Kind != 0 && cell.Kind != NormalBrick) {
      bytes_.resize(levelCount_ * kGridLevelBytes);
      return FileError("level \"" + level.Title + "\": a grid file holds only normal bricks, but (" +
                       std::to_string(GridColumnOf(k)) + ", " + std::to_string(GridRowOf(k)) + ") holds a " +
                       LetterOf(cell.Kind));
    }
    bytes_.push_back(cell.Kind == NormalBrick ? 1 : 0);
  }
  ++levelCount_;
  return std::nullopt;
}

std::vector<std::uint8_t> LevelFileEncoder::Finish() {
  if (format_ == Format::Stream && IsGridFileSize(bytes_.size())) bytes_.insert(bytes_.begin(), kPaddingValue);
  return std::move(bytes_);
}

FileResult ValidateBuiltInBlock(std::span<const std::uint8_t> block) {
  if (block.empty()) return FileError("the block is empty");
  if (KindOfOpcode(Unshifted(block[0], kBuiltInShift)) || block[0] == kBuiltInEndMarker) {
    return FileError("the block starts with an opcode; its first byte is passed over when levels are skipped");
  }
  if (block.size() > kBuiltInLevelCapacity) {
    return FileError(Numbered("the block needs ", block.size()) + " bytes; the program holds " +
                     std::to_string(kBuiltInLevelCapacity));
  }
  // The level search counts every byte 20, so each must be the end marker
  // that the decoder finds in opcode position.
  struct IgnoringSink : RecordSink {
    void Place(const LevelRecord&) override {}
  } ignored;
  SpanByteSource source(block);
  std::size_t level = 0;
  while (source.position() < block.size()) {
    ++level;
    const std::size_t start = source.position();
    const LevelReadResult read = ReadLevelRecord(source, kBuiltInShift, ignored);
    if (read.End != LevelEnd::EndMarker) return FileError(Numbered("level ", level) + " has no end marker");
    const auto stray = std::find(block.begin() + static_cast<std::ptrdiff_t>(start),
                                 block.begin() + static_cast<std::ptrdiff_t>(source.position() - 1), kBuiltInEndMarker);
    if (stray != block.begin() + static_cast<std::ptrdiff_t>(source.position() - 1)) {
      return FileError(Numbered("level ", level) + ": byte " + std::to_string(stray - block.begin()) +
                       " is 20 but no end marker (a character \"N\" or a value of -50)");
    }
  }
  return std::nullopt;
}

std::vector<std::uint8_t> EncodeBuiltInBlock(std::span<const LevelDesign> levels) {
  std::vector<std::uint8_t> block{static_cast<std::uint8_t>(kPaddingValue + kBuiltInShift)};
  for (const auto& level : levels) AppendLevelRecords(level, kBuiltInShift, block);
  return block;
}

}  // namespace coilrun
