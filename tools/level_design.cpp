#include "tools/level_design.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace coilrun {

namespace {

constexpr std::uint8_t kBuiltInEndMarker = kBuiltInShift + kEndOfLevel;
// Skipped by the decoder: it stands in front of a stream file whose size
// would otherwise make it a grid file, and it opens the built-in block.
constexpr std::uint8_t kPaddingValue = 0;

struct KindLetter {
  int Kind;
  char Letter;
  const char* Name;
};

constexpr KindLetter kLegend[] = {
    {0, '.', "none"},           {NormalBrick, '#', "normal"},   {CharacterBrick, 'C', "char"}, {DoorBrick, 'D', "door"},
    {InOutBrick, 'I', "inout"}, {ReboundBrick, 'R', "rebound"}, {ScoreBrick, 'S', "score"},    {LifeBrick, 'L', "life"},
};

char LetterOf(int kind) {
  for (const auto& entry : kLegend) {
    if (entry.Kind == kind) return entry.Letter;
  }
  return '?';
}

const KindLetter* EntryOfLetter(char letter) {
  for (const auto& entry : kLegend) {
    if (entry.Letter == letter) return &entry;
  }
  return nullptr;
}

// The character a brick shows is (byte + 128) mod 256.
std::uint8_t ShownCharacter(std::uint8_t extra) { return static_cast<std::uint8_t>(extra + 128); }
std::uint8_t ExtraForCharacter(std::uint8_t shown) { return static_cast<std::uint8_t>(shown - 128); }

std::string CharacterToken(std::uint8_t shown) {
  if (shown > ' ' && shown < 127) return std::string(1, static_cast<char>(shown));
  return "\\" + std::to_string(shown);
}

class LineError {
 public:
  explicit LineError(int line) : line_(line) {}
  [[noreturn]] void operator()(const std::string& what) const {
    throw LevelFormatError("line " + std::to_string(line_) + ": " + what);
  }

 private:
  int line_;
};

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    const std::size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
  return words;
}

int ParseNumber(std::string_view word, int low, int high, const LineError& fail) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
    fail("\"" + std::string(word) + "\" is not a number from " + std::to_string(low) + " to " + std::to_string(high));
  }
  return value;
}

std::uint8_t ParseCharacter(std::string_view word, const LineError& fail) {
  if (word.size() == 1) return static_cast<std::uint8_t>(word[0]);
  if (word.size() > 1 && word[0] == '\\') return static_cast<std::uint8_t>(ParseNumber(word.substr(1), 0, 255, fail));
  fail("a character is one letter or \\ and its code, not \"" + std::string(word) + "\"");
}

void ParseDetail(LevelDesign& level, std::string_view line, std::vector<bool>& described, const LineError& fail) {
  const auto words = SplitWords(line);
  const KindLetter* entry = nullptr;
  for (const auto& candidate : kLegend) {
    if (words[0] == candidate.Name) entry = &candidate;
  }
  if (entry == nullptr || entry->Kind == 0 || ExtraCountOf(static_cast<BrickKind>(entry->Kind)) == 0) {
    fail("unknown line \"" + std::string(words[0]) + "\" (expected title, char, door or inout)");
  }
  const auto kind = static_cast<BrickKind>(entry->Kind);
  const int operands = ExtraCountOf(kind);
  if (static_cast<int>(words.size()) != 3 + operands) {
    fail(std::string(entry->Name) + " takes a column, a row and " + std::to_string(operands) + " more values");
  }
  const int x = ParseNumber(words[1], 0, kGridColumns - 1, fail);
  const int y = ParseNumber(words[2], 0, kGridRows - 1, fail);
  DesignCell& cell = level.at(x, y);
  if (cell.Kind != kind) {
    fail("cell (" + std::to_string(x) + ", " + std::to_string(y) + ") shows no " + entry->Letter);
  }
  if (described[x * kGridRows + y])
    fail("cell (" + std::to_string(x) + ", " + std::to_string(y) + ") is described twice");
  described[x * kGridRows + y] = true;
  if (kind == CharacterBrick) {
    cell.Extra[0] = ExtraForCharacter(ParseCharacter(words[3], fail));
    return;
  }
  for (int i = 0; i < operands; ++i)
    cell.Extra[i] = static_cast<std::uint8_t>(ParseNumber(words[3 + i], -128, 255, fail));
}

void CheckAllDescribed(const LevelDesign& level, const std::vector<bool>& described) {
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      const int kind = level.at(x, y).Kind;
      if (kind != 0 && ExtraCountOf(static_cast<BrickKind>(kind)) > 0 && !described[x * kGridRows + y]) {
        throw LevelFormatError("level \"" + level.Title + "\": the " + LetterOf(kind) + " at (" + std::to_string(x) +
                               ", " + std::to_string(y) + ") has no line saying what it holds");
      }
    }
  }
}

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

}  // namespace

void ParseLevelText(std::string_view text, const std::function<void(const LevelDesign&)>& onLevel) {
  // One level at a time: the one being read and which of its cells a
  // detail line has described.
  LevelDesign level;
  bool inLevel = false;
  std::vector<bool> described;
  const auto finishLevel = [&] {
    if (!inLevel) return;
    CheckAllDescribed(level, described);
    onLevel(level);
  };
  int gridRowsRead = kGridRows;
  int lineNumber = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const LineError fail(lineNumber);

    if (gridRowsRead < kGridRows) {
      if (line.size() != static_cast<std::size_t>(kGridColumns)) {
        fail("a row of the field has " + std::to_string(kGridColumns) + " cells, this one " +
             std::to_string(line.size()));
      }
      for (int x = 0; x < kGridColumns; ++x) {
        const KindLetter* entry = EntryOfLetter(line[x]);
        if (entry == nullptr) fail(std::string("unknown cell letter '") + line[x] + "'");
        level.at(x, gridRowsRead).Kind = entry->Kind;
      }
      ++gridRowsRead;
      continue;
    }
    const auto words = SplitWords(line);
    if (words.empty() || words[0].starts_with(';')) continue;
    if (words[0] == "title") {
      finishLevel();
      level = LevelDesign{};
      inLevel = true;
      const std::size_t titleAt = line.find_first_not_of(" \t", line.find("title") + 5);
      if (titleAt != std::string_view::npos) level.Title = std::string(line.substr(titleAt));
      described.assign(kGridLevelBytes, false);
      gridRowsRead = 0;
      continue;
    }
    if (!inLevel) fail("a level starts with its title line");
    ParseDetail(level, line, described, fail);
  }
  if (gridRowsRead < kGridRows) throw LevelFormatError("the text ends inside the field of a level");
  finishLevel();
}

std::vector<LevelDesign> ParseLevelText(std::string_view text) {
  std::vector<LevelDesign> levels;
  ParseLevelText(text, [&](const LevelDesign& level) { levels.push_back(level); });
  return levels;
}

std::string FormatLevelText(const LevelDesign& level) {
  std::ostringstream text;
  text << "title " << level.Title << '\n';
  for (int y = 0; y < kGridRows; ++y) {
    for (int x = 0; x < kGridColumns; ++x) text << LetterOf(level.at(x, y).Kind);
    text << '\n';
  }
  for (int y = 0; y < kGridRows; ++y) {
    for (int x = 0; x < kGridColumns; ++x) {
      const DesignCell& cell = level.at(x, y);
      if (cell.Kind == CharacterBrick) {
        text << "char " << x << ' ' << y << ' ' << CharacterToken(ShownCharacter(cell.Extra[0])) << '\n';
      } else if (cell.Kind == DoorBrick || cell.Kind == InOutBrick) {
        text << (cell.Kind == DoorBrick ? "door " : "inout ") << x << ' ' << y;
        for (int i = 0; i < ExtraCountOf(static_cast<BrickKind>(cell.Kind)); ++i) {
          text << ' ' << static_cast<int>(static_cast<std::int8_t>(cell.Extra[i]));
        }
        text << '\n';
      }
    }
  }
  return text.str();
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

void LevelFileEncoder::Add(const LevelDesign& level) {
  ++levelCount_;
  if (format_ == Format::Stream) {
    AppendLevelRecords(level, kStreamShift, bytes_);
    return;
  }
  for (std::size_t k = 0; k < kGridLevelBytes; ++k) {
    const DesignCell& cell = level.at(GridColumnOf(k), GridRowOf(k));
    if (cell.Kind != 0 && cell.Kind != NormalBrick) {
      throw LevelFormatError("level \"" + level.Title + "\": a grid file holds only normal bricks, but (" +
                             std::to_string(GridColumnOf(k)) + ", " + std::to_string(GridRowOf(k)) + ") holds a " +
                             LetterOf(cell.Kind));
    }
    bytes_.push_back(cell.Kind == NormalBrick ? 1 : 0);
  }
}

std::vector<std::uint8_t> LevelFileEncoder::Finish() {
  if (format_ == Format::Stream && IsGridFileSize(bytes_.size())) bytes_.insert(bytes_.begin(), kPaddingValue);
  return std::move(bytes_);
}

void ValidateBuiltInBlock(std::span<const std::uint8_t> block) {
  if (block.empty()) throw LevelFormatError("the block is empty");
  if (KindOfOpcode(Unshifted(block[0], kBuiltInShift)) || block[0] == kBuiltInEndMarker) {
    throw LevelFormatError("the block starts with an opcode; its first byte is passed over when levels are skipped");
  }
  if (block.size() > kBuiltInLevelCapacity) {
    throw LevelFormatError("the block needs " + std::to_string(block.size()) + " bytes; the program holds " +
                           std::to_string(kBuiltInLevelCapacity));
  }
  // The level search counts every byte 20, so each must be the end marker
  // that the decoder finds in opcode position.
  struct IgnoringSink : RecordSink {
    void Place(const LevelRecord&) override {}
  } ignored;
  SpanByteSource source(block);
  int level = 0;
  while (source.position() < block.size()) {
    ++level;
    const std::size_t start = source.position();
    const LevelReadResult read = ReadLevelRecord(source, kBuiltInShift, ignored);
    if (read.End != LevelEnd::EndMarker) {
      throw LevelFormatError("level " + std::to_string(level) + " has no end marker");
    }
    const auto stray = std::find(block.begin() + static_cast<std::ptrdiff_t>(start),
                                 block.begin() + static_cast<std::ptrdiff_t>(source.position() - 1), kBuiltInEndMarker);
    if (stray != block.begin() + static_cast<std::ptrdiff_t>(source.position() - 1)) {
      throw LevelFormatError("level " + std::to_string(level) + ": byte " + std::to_string(stray - block.begin()) +
                             " is 20 but no end marker (a character \"N\" or a value of -50)");
    }
  }
}

std::vector<std::uint8_t> EncodeBuiltInBlock(std::span<const LevelDesign> levels) {
  std::vector<std::uint8_t> block{static_cast<std::uint8_t>(kPaddingValue + kBuiltInShift)};
  for (const auto& level : levels) AppendLevelRecords(level, kBuiltInShift, block);
  ValidateBuiltInBlock(block);
  return block;
}

}  // namespace coilrun
