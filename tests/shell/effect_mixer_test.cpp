#include "shell/effect_mixer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A PCM wave file of 16-bit samples, interleaved when stereo.
std::vector<std::uint8_t> Wave(int channels, int rate, const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F'};
  const auto data = static_cast<std::uint32_t>(samples.size() * 2);
  PutLittleEndian(bytes, 36 + data, 4);
  for (const char tag : std::string("WAVEfmt ")) bytes.push_back(static_cast<std::uint8_t>(tag));
  PutLittleEndian(bytes, 16, 4);
  PutLittleEndian(bytes, 1, 2);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(channels), 2);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(rate), 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(rate * channels * 2), 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(channels * 2), 2);
  PutLittleEndian(bytes, 16, 2);
  for (const char tag : std::string("data")) bytes.push_back(static_cast<std::uint8_t>(tag));
  PutLittleEndian(bytes, data, 4);
  for (const std::int16_t sample : samples) PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
  return bytes;
}

// What the device's buffer held before, and what the wave adds to it: a
// mono wave's sample on both sides, each side clipped to 16 bits.
TEST(EffectMixerTest, MonoAndStereoWavesAreAddedToBothSidesAndClipped) {
  struct Case {
    const char* name;
    int channels;
    std::vector<std::int16_t> wave;
    std::vector<std::int16_t> expected;  // stereo, from a buffer of `kBefore`
  };
  const std::vector<std::int16_t> kBefore = {500, -500, 0, 0, 1000, 1000, -1000, -1000};
  const Case cases[] = {
      {"mono", 1, {1000, -2000, 32000, -32000}, {1500, 500, -2000, -2000, 32767, 32767, -32768, -32768}},
      {"stereo",
       2,
       {1000, -1000, 7, -7, 32000, -32000, -32000, 32000},
       {1500, -1500, 7, -7, 32767, -31000, -32768, 31000}},
  };
  TempDirectory directory("coilrun-effect-mixer");
  EffectMixer mixer(*Sdl(), 44'100);
  for (const Case& run : cases) {
    SCOPED_TRACE(run.name);
    const auto bytes = Wave(run.channels, 44'100, run.wave);
    const auto file = directory / (std::string(run.name) + ".wav");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string error;
    const EffectMixer::Sound sound = mixer.Load(file, error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(sound.frames(), 4u);

    // The buffer is longer than the wave: the rest stays as it was.
    std::vector<std::int16_t> buffer = kBefore;
    buffer.resize(12, 3);
    mixer.Play(0, sound);
    mixer.MixInto(reinterpret_cast<Uint8*>(buffer.data()), static_cast<int>(buffer.size() * 2));
    EXPECT_EQ(std::vector<std::int16_t>(buffer.begin(), buffer.begin() + 8), run.expected);
    EXPECT_EQ(std::vector<std::int16_t>(buffer.begin() + 8, buffer.end()), std::vector<std::int16_t>(4, 3));
    EXPECT_FALSE(mixer.Playing(0)) << "ended with its last frame";
  }
}

}  // namespace
}  // namespace coilrun::testing
