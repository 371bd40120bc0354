#include "formats/audio_archive.h"

#include <algorithm>

#include "formats/byte_order.h"

namespace coilrun {

AudioEntrySizes DecodeAudioHeader(std::span<const std::uint8_t, kAudioHeaderSize> header) {
  AudioEntrySizes sizes{};
  for (int entry = 0; entry < kAudioEntryCount; ++entry)
    sizes[entry] = static_cast<std::int32_t>(GetLittleEndian(header, 4 * entry));
  return sizes;
}

std::optional<std::string> NegativeAudioEntry(const AudioEntrySizes& sizes) {
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    if (sizes[entry] < 0) {
      return "the size of \"" + std::string(kAudioEntryNames[entry]) + "\" is negative (" +
             std::to_string(sizes[entry]) + ")";
    }
  }
  return std::nullopt;
}

std::vector<std::uint8_t> EncodeAudioArchive(const AudioEntries& entries) {
  std::vector<std::uint8_t> bytes;
  for (const auto& entry : entries) AppendLittleEndian(bytes, static_cast<std::uint32_t>(entry.size()));
  for (const auto& entry : entries) bytes.insert(bytes.end(), entry.begin(), entry.end());
  return bytes;
}

AudioCopyResult CopyAudioEntries(const AudioEntrySizes& sizes, std::span<std::uint8_t, kAudioCopyBufferSize> buffer,
                                 const AudioSource& read, const AudioSink& write) {
  bool archiveEnded = false;
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    std::size_t left = static_cast<std::size_t>(std::max<std::int32_t>(sizes[entry], 0));
    while (left > 0 && !archiveEnded) {
      const std::span<std::uint8_t> piece = buffer.first(std::min(left, buffer.size()));
      const std::optional<std::size_t> got = read(piece);
      if (!got) return AudioCopyResult::ReadFailed;
      const std::size_t count = std::min(*got, piece.size());
      if (count > 0 && !write(entry, piece.first(count))) return AudioCopyResult::WriteFailed;
      archiveEnded = count < piece.size();
      left -= count;
    }
  }
  return AudioCopyResult::Copied;
}

}  // namespace coilrun
