#include "tools/level_tool.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "game/level_stream.h"
#include "tools/level_design.h"

namespace coilrun {

namespace {

constexpr const char* kUsage =
    "usage: coilrun-levels compile SOURCE... -o FILE.lvl [--grid]\n"
    "       coilrun-levels show FILE.lvl [--level N]\n"
    "       coilrun-levels show --builtin N\n"
    "       coilrun-levels check FILE.lvl\n";

class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ToolError(path + ": cannot open the file");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw ToolError(path + ": cannot read the file");
  return bytes;
}

std::string ReadText(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw ToolError(path + ": cannot write the file");
}

int ParseLevelNumber(const std::string& text) {
  try {
    std::size_t used = 0;
    const int number = std::stoi(text, &used);
    if (used == text.size() && number >= 1) return number;
  } catch (const std::logic_error&) {
  }
  throw ToolError("\"" + text + "\" is no level number (1 or more)");
}

// Decodes every level of a level file, told apart by its size as the game does.
std::vector<LevelDesign> LevelsOfFile(const std::string& path) {
  const auto bytes = ReadBytes(path);
  std::vector<LevelDesign> levels;
  if (IsGridFileSize(bytes.size())) {
    for (std::size_t at = 0; at < bytes.size(); at += kGridLevelBytes) {
      levels.push_back(
          DesignFromGridBytes(std::span<const std::uint8_t, kGridLevelBytes>(&bytes[at], kGridLevelBytes)));
    }
  } else {
    SpanByteSource source(bytes);
    while (source.position() < bytes.size()) {
      levels.emplace_back();
      LevelDesignWriter writer(levels.back());
      if (ReadLevelRecord(source, kStreamShift, writer).End != LevelEnd::EndMarker) {
        throw ToolError(path + ": level " + std::to_string(levels.size()) + " has no end marker (run check)");
      }
    }
  }
  for (std::size_t i = 0; i < levels.size(); ++i) levels[i].Title = "level " + std::to_string(i + 1);
  return levels;
}

int Compile(std::span<const std::string> arguments, std::ostream& out) {
  std::vector<std::string> sources;
  std::optional<std::string> output;
  bool grid = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--grid") {
      grid = true;
    } else if (arguments[i] == "-o" && i + 1 < arguments.size()) {
      output = arguments[++i];
    } else {
      sources.push_back(arguments[i]);
    }
  }
  if (!output || sources.empty()) throw ToolError(kUsage);
  std::vector<LevelDesign> levels;
  for (const auto& source : sources) {
    try {
      for (auto& level : ParseLevelText(ReadText(source))) levels.push_back(std::move(level));
    } catch (const LevelFormatError& error) {
      throw ToolError(source + ": " + error.what());
    }
  }
  WriteBytes(*output, grid ? EncodeGridFile(levels) : EncodeStreamFile(levels));
  out << "wrote " << levels.size() << (levels.size() == 1 ? " level" : " levels") << " to " << *output << '\n';
  return 0;
}

int Show(std::span<const std::string> arguments, std::ostream& out, std::span<const std::uint8_t> builtInBlock) {
  if (arguments.size() == 2 && arguments[0] == "--builtin") {
    if (builtInBlock.empty()) throw ToolError("this program carries no built-in levels");
    const int number = ParseLevelNumber(arguments[1]);
    const std::size_t start = BuiltInLevelStartIn(builtInBlock, number);
    SpanByteSource source(builtInBlock.subspan(start + 1));
    LevelDesign level;
    LevelDesignWriter writer(level);
    if (start + 1 >= builtInBlock.size() || ReadLevelRecord(source, kBuiltInShift, writer).End != LevelEnd::EndMarker) {
      throw ToolError("there is no built-in level " + arguments[1]);
    }
    level.Title = "built-in level " + std::to_string(number);
    out << FormatLevelText(level);
    return 0;
  }
  if (arguments.size() != 1 && !(arguments.size() == 3 && arguments[1] == "--level")) throw ToolError(kUsage);
  const auto levels = LevelsOfFile(arguments[0]);
  if (arguments.size() == 3) {
    const int number = ParseLevelNumber(arguments[2]);
    if (static_cast<std::size_t>(number) > levels.size()) {
      throw ToolError(arguments[0] + " holds " + std::to_string(levels.size()) + " levels");
    }
    out << FormatLevelText(levels[number - 1]);
    return 0;
  }
  for (const auto& level : levels) out << FormatLevelText(level);
  return 0;
}

// Reports every record that the game would skip for its cell and every
// level that runs out of bytes.
class ProblemCollector : public RecordSink {
 public:
  ProblemCollector(std::ostream& out, int& problems) : out_(out), problems_(problems) {}
  void BeginLevel(int level, std::size_t offset) {
    level_ = level;
    offset_ = offset;
  }
  void Place(const LevelRecord&) override {}
  void Outside(const LevelRecord& record) override {
    Report(record.Offset, "a brick at (" + std::to_string(record.X) + ", " + std::to_string(record.Y) +
                              ") lies outside the grid (0..50 x 0..30); the game skips it");
  }
  void Report(std::size_t offsetInLevel, const std::string& what) {
    out_ << "level " << level_ << ", byte " << offset_ + offsetInLevel << ": " << what << '\n';
    ++problems_;
  }

 private:
  std::ostream& out_;
  int& problems_;
  int level_ = 0;
  std::size_t offset_ = 0;
};

void CheckStreamLevels(const std::vector<std::uint8_t>& bytes, ProblemCollector& collector) {
  SpanByteSource source(bytes);
  for (int level = 1; source.position() < bytes.size(); ++level) {
    const std::size_t start = source.position();
    collector.BeginLevel(level, start);
    if (ReadLevelRecord(source, kStreamShift, collector).End != LevelEnd::EndMarker) {
      collector.Report(source.position() - start, "the file ends before the level's end marker (-50)");
    }
  }
}

// Grid levels hold 0 and 1; a stream level needs opcodes and an end marker.
bool LooksLikeGridLevels(const std::vector<std::uint8_t>& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte <= 1; });
}

int Check(std::span<const std::string> arguments, std::ostream& out) {
  if (arguments.size() != 1) throw ToolError(kUsage);
  const auto bytes = ReadBytes(arguments[0]);
  const std::string size = std::to_string(bytes.size());
  int problems = 0;
  ProblemCollector collector(out, problems);
  if (bytes.empty()) {
    collector.BeginLevel(1, 0);
    collector.Report(0, "the file is empty; the game finds no level in it");
  } else if (IsGridFileSize(bytes.size())) {
    // A stream file that ends with its end marker was meant as one.
    if (Unshifted(bytes.back(), kStreamShift) == kEndOfLevel) {
      collector.BeginLevel(1, 0);
      collector.Report(bytes.size(), "the size " + size +
                                         " is a whole multiple of 1581, so the game reads this stream file as a "
                                         "grid file; put a byte 0 in front of it");
      CheckStreamLevels(bytes, collector);
    }
  } else if (LooksLikeGridLevels(bytes)) {
    const std::size_t wholeLevels = bytes.size() / kGridLevelBytes;
    collector.BeginLevel(static_cast<int>(wholeLevels) + 1, wholeLevels * kGridLevelBytes);
    collector.Report(0, "the size " + size +
                            " is no whole multiple of 1581, so the game reads this grid file as a stream file; "
                            "this level has " +
                            std::to_string(bytes.size() % kGridLevelBytes) + " of its 1581 bytes");
  } else {
    CheckStreamLevels(bytes, collector);
  }
  out << arguments[0] << ": " << problems << (problems == 1 ? " problem" : " problems") << '\n';
  return problems == 0 ? 0 : 1;
}

}  // namespace

int RunLevelTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                 std::span<const std::uint8_t> builtInBlock) {
  try {
    if (arguments.empty()) throw ToolError(kUsage);
    const auto rest = arguments.subspan(1);
    if (arguments[0] == "compile") return Compile(rest, out);
    if (arguments[0] == "show") return Show(rest, out, builtInBlock);
    if (arguments[0] == "check") return Check(rest, out);
    throw ToolError(kUsage);
  } catch (const ToolError& error) {
    err << "coilrun-levels: " << error.what() << (std::string_view(error.what()).ends_with('\n') ? "" : "\n");
  } catch (const LevelFormatError& error) {
    err << "coilrun-levels: " << error.what() << '\n';
  }
  return 2;
}

}  // namespace coilrun
