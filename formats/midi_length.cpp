#include "formats/midi_length.h"

#include <algorithm>
#include <map>

namespace coilrun {

namespace {

constexpr std::uint32_t kDefaultTempo = 500'000;  // microseconds a quarter note: 120 a minute

// Reads big-endian numbers and variable-length quantities, refusing to pass
// the end of its bytes.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::size_t Left() const { return bytes_.size() - at_; }

  std::optional<std::uint32_t> Number(int size) {
    if (Left() < static_cast<std::size_t>(size)) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | bytes_[at_++];
    return value;
  }

  // At most four bytes, as the format allows.
  std::optional<std::uint32_t> VariableLength() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = Number(1);
      if (!byte) return std::nullopt;
      value = value << 7 | (*byte & 0x7F);
      if (!(*byte & 0x80)) return value;
    }
    return std::nullopt;
  }

  std::optional<std::uint8_t> Peek() const {
    if (AtEnd()) return std::nullopt;
    return bytes_[at_];
  }

  bool Skip(std::size_t count) {
    if (Left() < count) return false;
    at_ += count;
    return true;
  }

  std::optional<Reader> Chunk(std::size_t size) {
    if (Left() < size) return std::nullopt;
    Reader chunk(bytes_.subspan(at_, size));
    at_ += size;
    return chunk;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

using TempoMap = std::map<std::uint64_t, std::uint32_t>;  // tick -> microseconds a quarter note

// The tick at which the track ends; collects its tempo changes.
std::optional<std::uint64_t> ReadTrack(Reader track, TempoMap& tempos) {
  std::uint64_t tick = 0;
  std::uint8_t status = 0;
  while (!track.AtEnd()) {
    const auto delta = track.VariableLength();
    const auto next = track.Peek();
    if (!delta || !next) return std::nullopt;
    tick += *delta;
    if (*next & 0x80) status = *track.Number(1);
    if (status == 0xFF) {
      const auto type = track.Number(1);
      const auto length = track.VariableLength();
      if (!type || !length || track.Left() < *length) return std::nullopt;
      if (*type == 0x2F) return tick;
      if (*type == 0x51 && *length == 3) {
        tempos[tick] = *track.Number(3);
      } else {
        track.Skip(*length);
      }
    } else if (status == 0xF0 || status == 0xF7) {
      const auto length = track.VariableLength();
      if (!length || !track.Skip(*length)) return std::nullopt;
    } else if (status >= 0x80) {
      const int kind = status & 0xF0;
      if (!track.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2)) return std::nullopt;
    } else {
      return std::nullopt;  // data before any status
    }
  }
  return tick;
}

}  // namespace

std::optional<double> MidiPlayingSeconds(std::span<const std::uint8_t> bytes) {
  Reader file(bytes);
  const auto tag = file.Number(4);
  const auto headerSize = file.Number(4);
  if (tag != 0x4D546864 || !headerSize || *headerSize < 6) return std::nullopt;  // "MThd"
  auto header = file.Chunk(*headerSize);
  if (!header) return std::nullopt;
  const auto format = header->Number(2);
  const auto trackCount = header->Number(2);
  const auto division = header->Number(2);
  if (!format || *format > 1 || !trackCount || !division || *division == 0) return std::nullopt;

  TempoMap tempos;
  std::uint64_t endTick = 0;
  std::uint32_t found = 0;
  while (found < *trackCount && !file.AtEnd()) {
    const auto chunkTag = file.Number(4);
    const auto chunkSize = file.Number(4);
    if (!chunkTag || !chunkSize) return std::nullopt;
    auto chunk = file.Chunk(*chunkSize);
    if (!chunk) return std::nullopt;
    if (*chunkTag != 0x4D54726B) continue;  // not "MTrk": skipped, as the format asks
    const auto trackEnd = ReadTrack(*chunk, tempos);
    if (!trackEnd) return std::nullopt;
    endTick = std::max(endTick, *trackEnd);
    ++found;
  }
  if (found < *trackCount) return std::nullopt;

  // Time code divisions count frames of a second, and no tempo applies.
  if (*division & 0x8000) {
    const int framesPerSecond = 256 - static_cast<int>(*division >> 8);
    const int ticksPerFrame = static_cast<int>(*division & 0xFF);
    if (framesPerSecond <= 0 || ticksPerFrame == 0) return std::nullopt;
    return static_cast<double>(endTick) / (framesPerSecond * ticksPerFrame);
  }
  double microseconds = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = kDefaultTempo;
  for (const auto& [changeTick, changeTempo] : tempos) {
    if (changeTick >= endTick) break;
    microseconds += static_cast<double>(changeTick - tick) * tempo / *division;
    tick = changeTick;
    tempo = changeTempo;
  }
  microseconds += static_cast<double>(endTick - tick) * tempo / *division;
  return microseconds / 1e6;
}

}  // namespace coilrun
