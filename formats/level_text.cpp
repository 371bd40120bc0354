#include "formats/level_text.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace coilrun {

namespace {

const KindLetter* EntryOfLetter(char letter) {
  for (const KindLetter& entry : KindLetters()) {
    if (entry.Letter == letter) return &entry;
  }
  return nullptr;
}

const KindLetter* EntryOfName(std::string_view name) {
  for (const KindLetter& entry : KindLetters()) {
    if (name == entry.Name) return &entry;
  }
  return nullptr;
}

// The character a brick shows is (byte + 128) mod 256.
std::uint8_t ShownCharacter(std::uint8_t extra) { return static_cast<std::uint8_t>(extra + 128); }
std::uint8_t ExtraForCharacter(std::uint8_t shown) { return static_cast<std::uint8_t>(shown - 128); }

std::string CharacterToken(std::uint8_t shown) {
  if (shown > ' ' && shown < 127) return std::string(1, static_cast<char>(shown));
  std::string token("\\");
  token += std::to_string(shown);
  return token;
}

std::string Quoted(std::string_view text) {
  std::string quoted("\"");
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string CellName(int x, int y) { return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

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

// One level at a time: the one being read, which of its cells a detail
// line has described, and the failure that ends the reading, named by its
// line.
class LevelTextReader {
 public:
  explicit LevelTextReader(const std::function<void(const LevelDesign&)>& onLevel) : onLevel_(onLevel) {}

  FileResult Read(std::string_view text);

 private:
  void ReadLine(std::string_view line);
  void ReadFieldRow(std::string_view line);
  void ReadDetail(std::string_view line);
  void StartLevel(std::string_view line);
  void FinishLevel();
  std::optional<int> Number(std::string_view word, int low, int high);
  std::optional<std::uint8_t> Character(std::string_view word);
  void Fail(const std::string& what) {
    if (!failure_) failure_ = FileError("line " + std::to_string(lineNumber_) + ": " + what);
  }
  std::vector<bool>::reference Described(int x, int y) {
    return described_[static_cast<std::size_t>(x * kGridRows + y)];
  }

  const std::function<void(const LevelDesign&)>& onLevel_;
  LevelDesign level_;
  bool inLevel_ = false;
  std::vector<bool> described_;
  int fieldRowsRead_ = kGridRows;
  int lineNumber_ = 0;
  FileResult failure_;
};

FileResult LevelTextReader::Read(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && !failure_) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ReadLine(line);
  }
  if (failure_) return failure_;
  if (fieldRowsRead_ < kGridRows) return FileError("the text ends inside the field of a level");
  FinishLevel();
  return failure_;
}

void LevelTextReader::ReadLine(std::string_view line) {
  if (fieldRowsRead_ < kGridRows) {
    ReadFieldRow(line);
    return;
  }
  const auto words = SplitWords(line);
  if (words.empty() || words[0].starts_with(';')) return;
  if (words[0] == "title") {
    StartLevel(line);
  } else if (!inLevel_) {
    Fail("a level starts with its title line");
  } else {
    ReadDetail(line);
  }
}

void LevelTextReader::StartLevel(std::string_view line) {
  FinishLevel();
  level_ = LevelDesign{};
  inLevel_ = true;
  const std::size_t titleAt = line.find_first_not_of(" \t", line.find("title") + 5);
  if (titleAt != std::string_view::npos) level_.Title = std::string(line.substr(titleAt));
  described_.assign(kGridLevelBytes, false);
  fieldRowsRead_ = 0;
}

void LevelTextReader::ReadFieldRow(std::string_view line) {
  if (line.size() != static_cast<std::size_t>(kGridColumns)) {
    Fail("a row of the field has " + std::to_string(kGridColumns) + " cells, this one " + std::to_string(line.size()));
    return;
  }
  for (int x = 0; x < kGridColumns; ++x) {
    const KindLetter* entry = EntryOfLetter(line[x]);
    if (entry == nullptr) {
      Fail(std::string("unknown cell letter '") + line[x] + "'");
      return;
    }
    level_.at(x, fieldRowsRead_).Kind = entry->Kind;
  }
  ++fieldRowsRead_;
}

std::optional<int> LevelTextReader::Number(std::string_view word, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
    Fail(Quoted(word) + " is not a number from " + std::to_string(low) + " to " + std::to_string(high));
    return std::nullopt;
  }
  return value;
}

std::optional<std::uint8_t> LevelTextReader::Character(std::string_view word) {
  if (word.size() == 1) return static_cast<std::uint8_t>(word[0]);
  if (word.size() > 1 && word[0] == '\\') {
    const auto code = Number(word.substr(1), 0, 255);
    if (code) return static_cast<std::uint8_t>(*code);
    return std::nullopt;
  }
  Fail("a character is one letter or \\ and its code, not " + Quoted(word));
  return std::nullopt;
}

void LevelTextReader::ReadDetail(std::string_view line) {
  const auto words = SplitWords(line);
  const KindLetter* entry = EntryOfName(words[0]);
  if (entry == nullptr || entry->Kind == 0 || ExtraCountOf(static_cast<BrickKind>(entry->Kind)) == 0) {
    Fail("unknown line " + Quoted(words[0]) + " (expected title, char, door or inout)");
    return;
  }
  const auto kind = static_cast<BrickKind>(entry->Kind);
  const int operands = ExtraCountOf(kind);
  if (static_cast<int>(words.size()) != 3 + operands) {
    Fail(std::string(entry->Name) + " takes a column, a row and " + std::to_string(operands) + " more values");
    return;
  }
  const auto x = Number(words[1], 0, kGridColumns - 1);
  const auto y = x ? Number(words[2], 0, kGridRows - 1) : std::nullopt;
  if (!y) return;
  DesignCell& cell = level_.at(*x, *y);
  if (cell.Kind != kind) {
    Fail(CellName(*x, *y) + " shows no " + entry->Letter);
    return;
  }
  if (Described(*x, *y)) {
    Fail(CellName(*x, *y) + " is described twice");
    return;
  }
  Described(*x, *y) = true;
  if (kind == CharacterBrick) {
    if (const auto shown = Character(words[3])) cell.Extra[0] = ExtraForCharacter(*shown);
    return;
  }
  for (int i = 0; i < operands; ++i) {
    const auto value = Number(words[3 + i], -128, 255);
    if (!value) return;
    cell.Extra[i] = static_cast<std::uint8_t>(*value);
  }
}

void LevelTextReader::FinishLevel() {
  if (!inLevel_ || failure_) return;
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      const int kind = level_.at(x, y).Kind;
      if (kind != 0 && ExtraCountOf(static_cast<BrickKind>(kind)) > 0 && !Described(x, y)) {
        failure_ = FileError("level " + Quoted(level_.Title) + ": the " + LetterOf(kind) + " at (" + std::to_string(x) +
                             ", " + std::to_string(y) + ") has no line saying what it holds");
        return;
      }
    }
  }
  onLevel_(level_);
}

}  // namespace

FileResult ParseLevelText(std::string_view text, const std::function<void(const LevelDesign&)>& onLevel) {
  LevelTextReader reader(onLevel);
  return reader.Read(text);
}

FileResult ParseLevelText(std::string_view text, std::vector<LevelDesign>& levels) {
  return ParseLevelText(text, [&](const LevelDesign& level) { levels.push_back(level); });
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

}  // namespace coilrun
