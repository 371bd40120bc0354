#include "formats/midi_length.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/midi_file.h"
#include "tools/tune.h"

namespace coilrun::testing {
namespace {

TEST(MidiLengthTest, FollowsTheTempoChangesToTheEndOfTheLongestTrack) {
  sound::MidiTrack conductor;
  sound::MidiTrack notes;
  conductor.Tempo(0, 500'000);    // 120 a minute for two beats: 1 s
  conductor.Tempo(960, 250'000);  // 240 a minute from there
  notes.Note(0, 480, 0, 60, 100);
  notes.EndAt(960 + 4 * 480);  // four beats more: 1 s
  EXPECT_DOUBLE_EQ(MidiPlayingSeconds(sound::EncodeMidiFile(480, {conductor, notes})).value_or(0), 2.0);

  // Without a tempo a beat lasts half a second.
  EXPECT_DOUBLE_EQ(MidiPlayingSeconds(sound::EncodeMidiFile(96, {notes})).value_or(0), 0.5 * (960 + 1920) / 96);

  EXPECT_NEAR(MidiPlayingSeconds(sound::ComposeTune()).value_or(0), 32 * 4 * 60.0 / 132, 0.001);
}

TEST(MidiLengthTest, RefusesWhatIsNoMidiFileWithOneLength) {
  std::vector<std::uint8_t> file = sound::EncodeMidiFile(96, {sound::MidiTrack()});
  EXPECT_TRUE(MidiPlayingSeconds(file));
  for (std::size_t cut = 0; cut < file.size(); ++cut) {
    EXPECT_FALSE(MidiPlayingSeconds(std::span(file).first(cut))) << cut;
  }
  file[9] = 2;  // format 2: independent pieces
  EXPECT_FALSE(MidiPlayingSeconds(file));
  const std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  EXPECT_FALSE(MidiPlayingSeconds(wave));
}

}  // namespace
}  // namespace coilrun::testing
