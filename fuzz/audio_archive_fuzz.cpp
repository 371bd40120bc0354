// Feeds arbitrary bytes to the sound archive reader as the game unpacks
// audio.dat: the header, then every entry copied through the one buffer.
// No entry may receive more than its size or more than the archive holds.
// The same bytes go to the reader of the music's length, as an unpacked
// 999.mid would.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "formats/audio_archive.h"
#include "formats/midi_length.h"

namespace {

std::array<std::uint8_t, coilrun::kAudioCopyBufferSize> buffer;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace coilrun;
  if (const auto seconds = MidiPlayingSeconds(std::span(data, size)); seconds && !(*seconds >= 0)) std::abort();
  if (size < kAudioHeaderSize) return 0;
  const AudioEntrySizes sizes =
      DecodeAudioHeader(std::span<const std::uint8_t, kAudioHeaderSize>(data, kAudioHeaderSize));
  if (NegativeAudioEntry(sizes)) return 0;

  const std::span<const std::uint8_t> body(data + kAudioHeaderSize, size - kAudioHeaderSize);
  std::size_t consumed = 0;
  std::array<std::uint64_t, kAudioEntryCount> written{};
  std::uint64_t writtenInAll = 0;
  const auto read = [&](std::span<std::uint8_t> piece) -> std::optional<std::size_t> {
    const std::size_t count = std::min(piece.size(), body.size() - consumed);
    std::memcpy(piece.data(), body.data() + consumed, count);
    consumed += count;
    return count;
  };
  const auto write = [&](int entry, std::span<const std::uint8_t> piece) {
    if (entry < 0 || entry >= kAudioEntryCount) std::abort();
    written[entry] += piece.size();
    writtenInAll += piece.size();
    if (written[entry] > static_cast<std::uint64_t>(sizes[entry])) std::abort();
    return true;
  };
  if (CopyAudioEntries(sizes, buffer, read, write) != AudioCopyResult::Copied) std::abort();
  if (writtenInAll != consumed) std::abort();
  return 0;
}
