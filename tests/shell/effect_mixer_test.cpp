#include "shell/effect_mixer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/support/temp_directory.h"
#include "tools/wave_synthesis.h"

namespace coilrun::testing {
namespace {

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
  EffectMixer mixer(*Sdl(), sound::kSampleRate);
  for (const Case& run : cases) {
    SCOPED_TRACE(run.name);
    const auto bytes = sound::EncodeWave(run.wave, run.channels);
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
