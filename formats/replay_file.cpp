#include "formats/replay_file.h"

#include <algorithm>

#include "formats/byte_order.h"
#include "formats/byte_stream.h"
#include "formats/short_string.h"

namespace coilrun {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'C', 'R', 'P', 'L'};
// Format 2 added the computer seats; a format 1 file has people alone.
constexpr std::uint16_t kFormatVersion = 2;
constexpr std::size_t kCrcSize = 4;
constexpr std::uint8_t kLastPlayerCount = 4;
constexpr std::uint8_t kLastWinsTarget = 50;
constexpr std::uint8_t kFastestSpeed = 10;
constexpr std::uint16_t kLastBuiltInLevel = 82;
// Smallest encodings, so that a count can be checked against what is left
// before anything is allocated for it.
constexpr std::size_t kSmallestEvent = 4;

FileError Damaged(const std::string& what) { return FileError("The replay is damaged: " + what + "."); }

bool IsBool(std::uint8_t value) { return value <= 1; }

// The body after the versions and before the checksum, or what is wrong with it.
std::variant<Replay, FileError> ReadBody(ByteReader& in, std::uint16_t format) {
  Replay replay;
  const FileError truncated = Damaged("it ends too soon");
  const std::uint8_t start = in.U8();
  replay.level = in.U16();
  replay.playerCount = in.U8();
  const std::uint8_t competition = in.U8();
  replay.winsTarget = in.U8();
  const std::uint8_t builtIn = in.U8();
  replay.speed = in.U8();
  const std::uint8_t showMessages = in.U8();
  for (std::string& name : replay.names) name = in.Text(kMaxNameLength);
  if (format >= 2) {
    for (std::uint8_t& computer : replay.computers) computer = in.U8();
  }
  replay.levelFileName = in.Text(kMaxFileNameLength);
  if (in.failed()) return truncated;
  if (start < static_cast<std::uint8_t>(ReplayStart::Dialog) ||
      start > static_cast<std::uint8_t>(ReplayStart::CommandLine)) {
    return Damaged("it names no known way to start a game");
  }
  replay.start = static_cast<ReplayStart>(start);
  if (replay.level < 1 || replay.level > kLastBuiltInLevel || replay.playerCount < 1 ||
      replay.playerCount > kLastPlayerCount || !IsBool(competition) || replay.winsTarget < 1 ||
      replay.winsTarget > kLastWinsTarget || !IsBool(builtIn) || replay.speed < 1 || replay.speed > kFastestSpeed ||
      !IsBool(showMessages) || std::any_of(replay.computers.begin(), replay.computers.end(), [](std::uint8_t computer) {
        return computer > kLastComputerSkill;
      })) {
    return Damaged("its game settings are out of range");
  }
  replay.competition = competition != 0;
  replay.builtIn = builtIn != 0;
  replay.showMessages = showMessages != 0;

  replay.levelFile = in.Bytes(kLargestReplayLevelFile);
  replay.startState = in.Bytes(kLargestReplayState);
  const std::uint32_t seeds = in.Varint();
  if (in.failed() || seeds > in.left() / 4) return truncated;
  replay.seeds.resize(seeds);
  for (std::uint32_t& seed : replay.seeds) seed = in.U32();

  const std::uint32_t events = in.Varint();
  if (in.failed() || events > in.left() / kSmallestEvent) return truncated;
  replay.events.resize(events);
  std::uint32_t beat = 0;
  for (ReplayEvent& event : replay.events) {
    const std::uint32_t step = in.Varint();
    const std::uint8_t kind = in.U8();
    event.input.subject = in.U8();
    event.input.value = in.Varint();
    if (in.failed()) return truncated;
    if (step > UINT32_MAX - beat) return Damaged("its beats run past the largest count");
    beat += step;
    event.beat = beat;
    if (kind < 1 || kind > kLastInputKind) return Damaged("it holds an input of no known kind");
    event.input.kind = static_cast<InputKind>(kind);
    if (!InputInRange(event.input)) return Damaged("it holds an input out of range");
  }

  const std::uint16_t interval = in.U16();
  const std::uint32_t checksums = in.Varint();
  if (in.failed() || checksums > in.left() / 4) return truncated;
  if (interval != kReplayChecksumBeats) return Damaged("its checksums are not 60 beats apart");
  replay.checksums.resize(checksums);
  for (std::uint32_t& checksum : replay.checksums) checksum = in.U32();
  replay.beats = in.Varint();
  const std::uint8_t ended = in.U8();
  for (std::int32_t& score : replay.finalScores) score = static_cast<std::int32_t>(in.U32());
  replay.finalChecksum = in.U32();
  if (in.failed()) return truncated;
  if (!IsBool(ended)) return Damaged("it says neither that its game ended nor that it did not");
  replay.ended = ended != 0;
  if (replay.checksums.size() != replay.beats / kReplayChecksumBeats) {
    return Damaged("it holds a checksum count that does not fit its beats");
  }
  if (beat > replay.beats + 1) return Damaged("it holds inputs after its last beat");
  return replay;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::vector<std::uint8_t> EncodeReplay(const Replay& replay) {
  ByteWriter out;
  for (const std::uint8_t byte : kMagic) out.U8(byte);
  out.U16(kFormatVersion);
  out.U32(replay.rulesVersion);
  out.U8(static_cast<std::uint8_t>(replay.start));
  out.U16(replay.level);
  out.U8(replay.playerCount);
  out.U8(replay.competition);
  out.U8(replay.winsTarget);
  out.U8(replay.builtIn);
  out.U8(replay.speed);
  out.U8(replay.showMessages);
  for (const std::string& name : replay.names) out.Text(name.substr(0, kMaxNameLength));
  for (const std::uint8_t computer : replay.computers) out.U8(computer);
  out.Text(replay.levelFileName.substr(0, kMaxFileNameLength));
  out.Bytes(replay.levelFile);
  out.Bytes(replay.startState);
  out.Varint(static_cast<std::uint32_t>(replay.seeds.size()));
  for (const std::uint32_t seed : replay.seeds) out.U32(seed);
  out.Varint(static_cast<std::uint32_t>(replay.events.size()));
  std::uint32_t beat = 0;
  for (const ReplayEvent& event : replay.events) {
    out.Varint(event.beat - beat);
    beat = event.beat;
    out.U8(static_cast<std::uint8_t>(event.input.kind));
    out.U8(event.input.subject);
    out.Varint(event.input.value);
  }
  out.U16(kReplayChecksumBeats);
  out.Varint(static_cast<std::uint32_t>(replay.checksums.size()));
  for (const std::uint32_t checksum : replay.checksums) out.U32(checksum);
  out.Varint(replay.beats);
  out.U8(replay.ended);
  for (const std::int32_t score : replay.finalScores) out.U32(static_cast<std::uint32_t>(score));
  out.U32(replay.finalChecksum);
  out.U32(Crc32(out.bytes()));
  return out.Take();
}

std::variant<Replay, FileError> DecodeReplay(std::span<const std::uint8_t> bytes, std::uint32_t rulesVersion) {
  if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
    return FileError("The file is not a Coilrun replay.");
  }
  ByteReader in(bytes.subspan(kMagic.size()));
  const std::uint16_t format = in.U16();
  const std::uint32_t rules = in.U32();
  if (in.failed()) return Damaged("it ends too soon");
  if (format > kFormatVersion || format == 0) {
    return FileError("The replay is of format " + std::to_string(format) +
                     ", which a newer version of Coilrun writes; this one reads format " +
                     std::to_string(kFormatVersion) + ".");
  }
  // The checksum decides between a damaged file and one that was written
  // wrong: a file whose checksum matches is reported by what is wrong in it.
  const bool sealed = bytes.size() >= kMagic.size() + kCrcSize &&
                      Crc32(bytes.first(bytes.size() - kCrcSize)) == GetLittleEndian(bytes, bytes.size() - kCrcSize);
  std::variant<Replay, FileError> read = ReadBody(in, format);
  const FileError truncated = Damaged("it ends too soon");
  if (auto* failure = std::get_if<FileError>(&read)) {
    if (sealed || *failure == truncated) return *failure;
    return Damaged("its checksum does not match");
  }
  if (in.left() < kCrcSize) return truncated;
  if (in.left() > kCrcSize) return Damaged("it goes on after its end");
  if (!sealed) return Damaged("its checksum does not match");
  if (rules != rulesVersion) {
    return FileError("The replay was recorded with rules version " + std::to_string(rules) +
                     ", but this Coilrun plays rules version " + std::to_string(rulesVersion) + ".");
  }
  Replay& replay = std::get<Replay>(read);
  replay.rulesVersion = rules;
  return std::move(replay);
}

}  // namespace coilrun
