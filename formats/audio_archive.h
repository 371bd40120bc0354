// audio.dat: the sizes of the seven sound files (32-bit signed,
// little-endian, in a fixed order), then their bytes one after the other.
// No magic number, count or checksum: the names and order are fixed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace coilrun {

constexpr int kAudioEntryCount = 7;
constexpr std::size_t kAudioHeaderSize = 4 * kAudioEntryCount;
// Every entry passes through one buffer of this size; longer entries are
// copied in several pieces.
constexpr std::size_t kAudioCopyBufferSize = 90'000;

// The file names of the entries in archive order: six effects, then the music.
constexpr std::array<const char*, kAudioEntryCount> kAudioEntryNames = {"001.wav", "002.wav", "003.wav", "004.wav",
                                                                        "005.wav", "006.wav", "999.mid"};

using AudioEntrySizes = std::array<std::int32_t, kAudioEntryCount>;
using AudioEntries = std::array<std::vector<std::uint8_t>, kAudioEntryCount>;

AudioEntrySizes DecodeAudioHeader(std::span<const std::uint8_t, kAudioHeaderSize> header);
// The first entry whose size is negative, as a sentence for the player.
std::optional<std::string> NegativeAudioEntry(const AudioEntrySizes& sizes);
// Header and entries. Entries above 2 GiB do not fit the format and are
// refused by the caller.
std::vector<std::uint8_t> EncodeAudioArchive(const AudioEntries& entries);

// Where CopyAudioEntries takes the bytes after the header from: fills the
// span as far as the archive goes and returns the count; nullopt on a read
// failure.
using AudioSource = std::function<std::optional<std::size_t>(std::span<std::uint8_t>)>;
// Receives one piece of an entry; false on a write failure.
using AudioSink = std::function<bool(int entry, std::span<const std::uint8_t>)>;

enum class AudioCopyResult { Copied, ReadFailed, WriteFailed };

// Copies each entry in archive order, at most its size, through the buffer.
// An archive that ends early gives short entries (possibly empty) and no
// error: that is what players get for a truncated file.
AudioCopyResult CopyAudioEntries(const AudioEntrySizes& sizes, std::span<std::uint8_t, kAudioCopyBufferSize> buffer,
                                 const AudioSource& read, const AudioSink& write);

}  // namespace coilrun
