#include "tools/audio_tool.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <vector>

#include "formats/audio_archive.h"
#include "formats/audio_files.h"

namespace coilrun {

namespace {

constexpr const char* kUsage =
    "usage: coilrun-audio pack DIRECTORY -o audio.dat   (packs 001.wav .. 006.wav and 999.mid)\n"
    "       coilrun-audio list audio.dat\n"
    "       coilrun-audio unpack audio.dat -o DIRECTORY\n"
    "       coilrun-audio --help | --version\n";
constexpr const char* kVersion = "coilrun-audio " COILRUN_VERSION "\n";

class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ToolError(path.string() + ": cannot open the file");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw ToolError(path.string() + ": cannot read the file");
  return bytes;
}

// The one argument before "-o" and the one after it.
std::pair<std::string, std::string> InputAndOutput(std::span<const std::string> arguments) {
  if (arguments.size() != 3 || arguments[1] != "-o") throw ToolError(kUsage);
  return {arguments[0], arguments[2]};
}

void Pack(const std::string& directory, const std::string& archive) {
  AudioEntries entries;
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    entries[entry] = ReadBytes(SoundFilePath(directory, entry));
    if (entries[entry].size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      throw ToolError(SoundFilePath(directory, entry).string() + ": larger than an archive entry can be");
    }
  }
  const std::vector<std::uint8_t> bytes = EncodeAudioArchive(entries);
  std::ofstream file(archive, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw ToolError(archive + ": cannot write the file");
}

void List(const std::string& archive, std::ostream& out) {
  const std::vector<std::uint8_t> bytes = ReadBytes(archive);
  if (bytes.size() < kAudioHeaderSize) throw ToolError(archive + ": shorter than the 28-byte header");
  const AudioEntrySizes sizes = DecodeAudioHeader(std::span(bytes).first<kAudioHeaderSize>());
  if (const auto negative = NegativeAudioEntry(sizes)) throw ToolError(archive + ": " + *negative);
  std::uint64_t left = bytes.size() - kAudioHeaderSize;
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    const auto size = static_cast<std::uint64_t>(sizes[entry]);
    const std::uint64_t present = std::min(size, left);
    left -= present;
    out << kAudioEntryNames[entry] << "  " << size << " bytes";
    if (present < size) out << "  (the archive holds only " << present << ")";
    out << "\n";
  }
  if (left > 0) out << left << " bytes after the last entry are not used\n";
}

void Unpack(const std::string& archive, const std::string& directory) {
  std::error_code ignored;
  std::filesystem::create_directories(directory, ignored);
  const SoundUnpackResult result = UnpackAudioArchive(archive, directory);
  if (result.outcome == SoundUnpacking::ArchiveMissing) throw ToolError(archive + ": cannot open the file");
  if (result.outcome == SoundUnpacking::Failed) throw ToolError(result.failure->text());
}

}  // namespace

int RunAudioTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  try {
    // Asked for, help and version are answers, not complaints: on standard
    // output and with success.
    if (std::ranges::find(arguments, "--help") != arguments.end()) {
      return (out << kUsage << std::flush) ? 0 : 1;
    }
    if (std::ranges::find(arguments, "--version") != arguments.end()) {
      return (out << kVersion << std::flush) ? 0 : 1;
    }
    if (arguments.empty()) throw ToolError(kUsage);
    const std::string& command = arguments[0];
    const auto rest = arguments.subspan(1);
    if (command == "pack") {
      const auto [directory, archive] = InputAndOutput(rest);
      Pack(directory, archive);
    } else if (command == "list" && rest.size() == 1) {
      List(rest[0], out);
    } else if (command == "unpack") {
      const auto [archive, directory] = InputAndOutput(rest);
      Unpack(archive, directory);
    } else {
      throw ToolError(kUsage);
    }
    return 0;
  } catch (const ToolError& error) {
    err << error.what();
    if (std::string_view(error.what()).back() != '\n') err << "\n";
    return 1;
  }
}

}  // namespace coilrun
