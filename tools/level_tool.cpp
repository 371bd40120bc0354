#include "tools/level_tool.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "formats/level_design.h"
#include "formats/level_stream.h"
#include "formats/level_text.h"
#include "tools/tool_error.h"
#include "tools/tool_input_file.h"

namespace coilrun {

namespace {

constexpr const char* kUsage =
    "usage: coilrun-levels compile SOURCE... -o FILE.lvl [--grid]\n"
    "       coilrun-levels show FILE.lvl [--level N]\n"
    "       coilrun-levels show --builtin N\n"
    "       coilrun-levels check FILE.lvl\n"
    "       coilrun-levels --help | --version\n";
constexpr const char* kVersion = "coilrun-levels " COILRUN_VERSION "\n";

// Writes beside the target and renames, so that a failed write never leaves
// a half-written level file in place of the one that was there.
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string partial = path + ".part";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) throw ToolError(path + ": " + std::strerror(errno));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  const int closeError = errno;
  std::error_code renameError;
  if (written && closed) std::filesystem::rename(partial, path, renameError);
  if (written && closed && !renameError) return;
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  const std::string why = !written  ? std::strerror(writeError)
                          : !closed ? std::strerror(closeError)
                                    : renameError.message();
  throw ToolError(path + ": " + why);
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

// A closed output (a full disk, a pipe whose reader has gone) ends the run
// rather than letting it decode on into nowhere.
void CheckOutput(std::ostream& out) {
  if (!out.flush()) throw ToolError("cannot write the output");
}

struct IgnoringSink : RecordSink {
  void Place(const LevelRecord&) override {}
};

// Decodes the levels of a level file one after the other, told apart by its
// size as the game does, and hands each wanted one to `onLevel`, which
// returns false once it wants no more. Only one level is held at a time.
// Returns the number of levels passed.
std::size_t ForEachLevel(ToolInputFile& file, const std::function<bool(std::size_t)>& wanted,
                         const std::function<bool(const LevelDesign&)>& onLevel) {
  LevelDesign level;
  std::size_t number = 0;
  const auto handOn = [&] {
    level.Title = "level " + std::to_string(number);
    return onLevel(level);
  };
  if (IsGridFileSize(file.size())) {
    std::array<std::uint8_t, kGridLevelBytes> bytes{};
    while (!file.AtEnd()) {
      file.ReadExactly(bytes);
      if (!wanted(++number)) continue;
      level = DesignFromGridBytes(bytes);
      if (!handOn()) break;
    }
    return number;
  }
  IgnoringSink skipped;
  while (!file.AtEnd()) {
    const bool keep = wanted(++number);
    if (keep) level = LevelDesign{};
    LevelDesignWriter writer(level);
    if (ReadLevelRecord(file, kStreamShift, keep ? static_cast<RecordSink&>(writer) : skipped).End !=
        LevelEnd::EndMarker) {
      throw ToolError(file.path() + ": level " + std::to_string(number) + " has no end marker (run check)");
    }
    if (keep && !handOn()) break;
  }
  return number;
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
  LevelFileEncoder encoder(grid ? LevelFileEncoder::Format::Grid : LevelFileEncoder::Format::Stream);
  for (const auto& source : sources) {
    FileResult refused;
    FileResult failure = ParseLevelText(ToolInputFile(source).ReadAll(), [&](const LevelDesign& level) {
      if (!refused) refused = encoder.Add(level);
    });
    if (refused) failure = refused;
    if (failure) throw ToolError(source + ": " + failure->text());
  }
  const std::size_t count = encoder.levelCount();
  WriteBytes(*output, encoder.Finish());
  out << "wrote " << count << (count == 1 ? " level" : " levels") << " to " << *output << '\n';
  CheckOutput(out);
  return 0;
}

int ShowBuiltIn(const std::string& numberText, std::ostream& out, std::span<const std::uint8_t> builtInBlock) {
  if (builtInBlock.empty()) throw ToolError("this program carries no built-in levels");
  const int number = ParseLevelNumber(numberText);
  const std::size_t start = BuiltInLevelStartIn(builtInBlock, number);
  if (start + 1 >= builtInBlock.size()) throw ToolError("there is no built-in level " + numberText);
  SpanByteSource source(builtInBlock.subspan(start + 1));
  LevelDesign level;
  LevelDesignWriter writer(level);
  if (ReadLevelRecord(source, kBuiltInShift, writer).End != LevelEnd::EndMarker) {
    throw ToolError("there is no built-in level " + numberText);
  }
  level.Title = "built-in level " + std::to_string(number);
  out << FormatLevelText(level);
  CheckOutput(out);
  return 0;
}

int Show(std::span<const std::string> arguments, std::ostream& out, std::span<const std::uint8_t> builtInBlock) {
  if (arguments.size() == 2 && arguments[0] == "--builtin") return ShowBuiltIn(arguments[1], out, builtInBlock);
  if (arguments.size() != 1 && !(arguments.size() == 3 && arguments[1] == "--level")) throw ToolError(kUsage);
  const std::optional<int> only =
      arguments.size() == 3 ? std::optional<int>(ParseLevelNumber(arguments[2])) : std::nullopt;
  ToolInputFile file(arguments[0]);
  if (file.size() == 0) throw ToolError(file.path() + ": the file is empty; it holds no levels");
  const std::size_t passed = ForEachLevel(
      file, [&](std::size_t number) { return !only || number == static_cast<std::size_t>(*only); },
      [&](const LevelDesign& level) {
        out << FormatLevelText(level);
        CheckOutput(out);
        return !only;
      });
  if (only && passed < static_cast<std::size_t>(*only)) {
    throw ToolError(file.path() + " holds " + std::to_string(passed) + (passed == 1 ? " level" : " levels"));
  }
  return 0;
}

// Reports every record that the game would skip for its cell and every
// level that runs out of bytes.
class ProblemCollector : public RecordSink {
 public:
  explicit ProblemCollector(std::ostream& out) : out_(out) {}
  void BeginLevel(std::size_t level, std::uintmax_t offset) {
    level_ = level;
    offset_ = offset;
  }
  void Place(const LevelRecord&) override {}
  void Outside(const LevelRecord& record) override {
    Report(record.Offset, "a brick at (" + std::to_string(record.X) + ", " + std::to_string(record.Y) +
                              ") lies outside the grid (0..50 x 0..30); the game skips it");
  }
  void Report(std::uintmax_t offsetInLevel, const std::string& what) {
    out_ << "level " << level_ << ", byte " << offset_ + offsetInLevel << ": " << what << '\n';
    ++problems_;
  }
  std::size_t problems() const { return problems_; }

 private:
  std::ostream& out_;
  std::size_t problems_ = 0;
  std::size_t level_ = 0;
  std::uintmax_t offset_ = 0;
};

void CheckStreamLevels(ToolInputFile& file, ProblemCollector& collector) {
  file.Rewind();
  std::uintmax_t start = 0;
  for (std::size_t level = 1; !file.AtEnd(); ++level) {
    collector.BeginLevel(level, start);
    const LevelReadResult read = ReadLevelRecord(file, kStreamShift, collector);
    if (read.End != LevelEnd::EndMarker) {
      collector.Report(read.BytesRead, "the file ends before the level's end marker (-50)");
    }
    start += read.BytesRead;
  }
}

// Grid levels hold 0 and 1; a stream level needs opcodes and an end marker.
bool LooksLikeGridLevels(ToolInputFile& file) {
  file.Rewind();
  while (const auto byte = file.Next()) {
    if (*byte > 1) return false;
  }
  return true;
}

int Check(std::span<const std::string> arguments, std::ostream& out) {
  if (arguments.size() != 1) throw ToolError(kUsage);
  ToolInputFile file(arguments[0]);
  const std::string size = std::to_string(file.size());
  ProblemCollector collector(out);
  if (file.size() == 0) {
    collector.BeginLevel(1, 0);
    collector.Report(0, "the file is empty; the game finds no level in it");
  } else if (IsGridFileSize(file.size())) {
    // A stream file that ends with its end marker was meant as one.
    if (Unshifted(*file.LastByte(), kStreamShift) == kEndOfLevel) {
      collector.BeginLevel(1, 0);
      collector.Report(file.size(), "the size " + size +
                                        " is a whole multiple of 1581, so the game reads this stream file as a "
                                        "grid file; put a byte 0 in front of it");
      CheckStreamLevels(file, collector);
    }
  } else if (LooksLikeGridLevels(file)) {
    const std::uintmax_t wholeLevels = file.size() / kGridLevelBytes;
    collector.BeginLevel(static_cast<std::size_t>(wholeLevels) + 1, wholeLevels * kGridLevelBytes);
    collector.Report(0, "the size " + size +
                            " is no whole multiple of 1581, so the game reads this grid file as a stream file; "
                            "this level has " +
                            std::to_string(file.size() % kGridLevelBytes) + " of its 1581 bytes");
  } else {
    CheckStreamLevels(file, collector);
  }
  const std::size_t problems = collector.problems();
  out << arguments[0] << ": " << problems << (problems == 1 ? " problem" : " problems") << '\n';
  CheckOutput(out);
  return problems == 0 ? 0 : 1;
}

}  // namespace

int RunLevelTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                 std::span<const std::uint8_t> builtInBlock) {
  try {
    // Asked for, help and version are answers, not complaints: on standard
    // output and with success.
    if (std::ranges::find(arguments, "--help") != arguments.end()) {
      out << kUsage;
      CheckOutput(out);
      return 0;
    }
    if (std::ranges::find(arguments, "--version") != arguments.end()) {
      out << kVersion;
      CheckOutput(out);
      return 0;
    }
    if (arguments.empty()) throw ToolError(kUsage);
    const auto rest = arguments.subspan(1);
    if (arguments[0] == "compile") return Compile(rest, out);
    if (arguments[0] == "show") return Show(rest, out, builtInBlock);
    if (arguments[0] == "check") return Check(rest, out);
    throw ToolError(kUsage);
  } catch (const ToolError& error) {
    err << "coilrun-levels: " << error.what() << (std::string_view(error.what()).ends_with('\n') ? "" : "\n");
  } catch (const std::exception& error) {
    // The last boundary: whatever else goes wrong is reported, never an abort.
    err << "coilrun-levels: " << error.what() << '\n';
  }
  return 2;
}

}  // namespace coilrun
