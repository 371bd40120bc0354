#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "tools/game_sounds.h"
#include "tools/wave_synthesis.h"

namespace coilrun::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Little(const Bytes& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes.at(at + i)) << (8 * i);
  return value;
}

std::uint32_t Big(const Bytes& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | bytes.at(at + i);
  return value;
}

std::string Tag(const Bytes& bytes, std::size_t at) { return std::string(bytes.begin() + at, bytes.begin() + at + 4); }

// The samples of a 16-bit mono PCM wave at 44.1 kHz, checking its header.
std::vector<double> WaveSamples(const Bytes& wave) {
  EXPECT_EQ(Tag(wave, 0), "RIFF");
  EXPECT_EQ(Little(wave, 4, 4), wave.size() - 8);
  EXPECT_EQ(Tag(wave, 8), "WAVE");
  EXPECT_EQ(Tag(wave, 12), "fmt ");
  EXPECT_EQ(Little(wave, 20, 2), 1u);  // PCM
  EXPECT_EQ(Little(wave, 22, 2), 1u);  // mono
  EXPECT_EQ(Little(wave, 24, 4), 44'100u);
  EXPECT_EQ(Little(wave, 28, 4), 88'200u);
  EXPECT_EQ(Little(wave, 34, 2), 16u);
  EXPECT_EQ(Tag(wave, 36), "data");
  EXPECT_EQ(Little(wave, 40, 4), wave.size() - 44);
  std::vector<double> samples;
  for (std::size_t at = 44; at + 1 < wave.size(); at += 2) {
    samples.push_back(static_cast<std::int16_t>(Little(wave, at, 2)) / 32768.0);
  }
  return samples;
}

// What a standard MIDI file holds, as far as looping and General MIDI go.
struct MidiSummary {
  int format = -1;
  std::set<std::uint32_t> trackEnds;
  std::vector<std::uint32_t> tempos;
  std::map<int, int> notesPerChannel;
  std::set<int> programs;
  int ticksPerQuarter = 0;
};

std::uint32_t VariableLength(const Bytes& bytes, std::size_t& at) {
  std::uint32_t value = 0;
  std::uint8_t byte = 0;
  do {
    byte = bytes.at(at++);
    value = value << 7 | (byte & 0x7F);
  } while (byte & 0x80);
  return value;
}

MidiSummary ReadMidi(const Bytes& midi) {
  MidiSummary summary;
  EXPECT_EQ(Tag(midi, 0), "MThd");
  summary.format = static_cast<int>(Big(midi, 8, 2));
  const std::uint32_t trackCount = Big(midi, 10, 2);
  summary.ticksPerQuarter = static_cast<int>(Big(midi, 12, 2));
  std::size_t at = 14;
  for (std::uint32_t track = 0; track < trackCount; ++track) {
    EXPECT_EQ(Tag(midi, at), "MTrk");
    const std::size_t end = at + 8 + Big(midi, at + 4, 4);
    at += 8;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    while (at < end) {
      tick += VariableLength(midi, at);
      if (midi.at(at) & 0x80) status = midi.at(at++);
      if (status == 0xFF) {
        const std::uint8_t type = midi.at(at++);
        const std::uint32_t length = VariableLength(midi, at);
        if (type == 0x51) summary.tempos.push_back(Big(midi, at, 3));
        if (type == 0x2F) summary.trackEnds.insert(tick);
        at += length;
        continue;
      }
      const int kind = status & 0xF0;
      const int channel = status & 0x0F;
      if (kind == 0x90 && midi.at(at + 1) > 0) ++summary.notesPerChannel[channel];
      if (kind == 0xC0) summary.programs.insert(midi.at(at));
      at += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    }
    EXPECT_EQ(at, end);
  }
  return summary;
}

TEST(SoundGeneratorTest, MakesTheSameBytesEveryTimeAndEveryEntryFitsTheCopyBuffer) {
  const AudioEntries first = sound::MakeGameSounds();
  EXPECT_EQ(first, sound::MakeGameSounds());
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    EXPECT_LT(first[entry].size(), kAudioCopyBufferSize) << kAudioEntryNames[entry];
  }
}

TEST(SoundGeneratorTest, EffectsAreShortClickFreeAndEquallyLoudJustBelowFullScale) {
  const AudioEntries entries = sound::MakeGameSounds();
  std::vector<double> loudness;
  for (int entry = 0; entry < 6; ++entry) {
    SCOPED_TRACE(kAudioEntryNames[entry]);
    const std::vector<double> samples = WaveSamples(entries[entry]);
    const double seconds = static_cast<double>(samples.size()) / 44'100;
    // Only the fanfare may take longer than half a second.
    EXPECT_LT(seconds, entry == 2 ? 1.0 : 0.5);
    EXPECT_LT(std::abs(samples.front()), 0.001);
    EXPECT_LT(std::abs(samples.back()), 0.001);
    double peak = 0;
    for (const double sample : samples) peak = std::max(peak, std::abs(sample));
    EXPECT_GT(peak, 0.7);
    EXPECT_LT(peak, 0.9);
    loudness.push_back(sound::ShortTermLoudness(samples));
  }
  const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
  EXPECT_LT(*loudest / *quietest, 1.5);  // within 3.5 dB
}

TEST(SoundGeneratorTest, TheTuneIsGeneralMidiWithDrumsAndLoopsOnABarLine) {
  const MidiSummary tune = ReadMidi(sound::MakeGameSounds()[6]);
  EXPECT_EQ(tune.format, 1);
  ASSERT_EQ(tune.tempos.size(), 1u);     // one tempo: no jump anywhere, nor at the loop
  ASSERT_EQ(tune.trackEnds.size(), 1u);  // every track ends together
  const std::uint32_t end = *tune.trackEnds.begin();
  EXPECT_EQ(end % (4 * tune.ticksPerQuarter), 0u);
  const double seconds = end / static_cast<double>(tune.ticksPerQuarter) * tune.tempos[0] / 1e6;
  EXPECT_GE(seconds, 30);
  EXPECT_LE(seconds, 90);
  EXPECT_GT(tune.notesPerChannel.at(9), 100);  // the drums
  EXPECT_GE(tune.notesPerChannel.size(), 4u);
  EXPECT_GE(tune.programs.size(), 3u);
}

}  // namespace
}  // namespace coilrun::testing
