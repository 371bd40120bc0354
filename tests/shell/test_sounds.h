// Sound files and a sound device for the players' tests: SDL's dummy driver,
// or its disk driver writing what it plays to a file.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include "formats/audio_archive.h"
#include "formats/audio_files.h"
#include "tools/midi_file.h"
#include "tools/wave_synthesis.h"

namespace coilrun::testing {

// Chooses SDL's audio driver for the players opened while it lives.
class AudioDriver {
 public:
  explicit AudioDriver(const char* name, const std::filesystem::path& capture = {}) {
    qputenv("SDL_AUDIODRIVER", name);
    if (!capture.empty()) qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(capture.string()));
  }
  ~AudioDriver() { qputenv("SDL_AUDIODRIVER", "dummy"); }
};

// A steady tone, so that every frame it sounds in is non-silent.
inline std::vector<std::uint8_t> TestWave(double seconds) {
  sound::Samples tone = sound::Tone(seconds, [](double) { return 441.0; });
  sound::Shape(tone, [](double) { return 0.5; });
  return sound::EncodeWave(tone);
}

// Two quarter notes at 120 beats a minute.
inline std::vector<std::uint8_t> TestTune() {
  sound::MidiTrack track;
  track.Note(0, 96, 0, 72, 100);
  track.Note(96, 96, 0, 76, 100);
  return sound::EncodeMidiFile(96, {track});
}

inline void WriteSoundFiles(const std::filesystem::path& directory, const AudioEntries& entries) {
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    std::ofstream(SoundFilePath(directory, entry), std::ios::binary)
        .write(reinterpret_cast<const char*>(entries[entry].data()),
               static_cast<std::streamsize>(entries[entry].size()));
  }
}

inline AudioEntries TestSounds(double waveSeconds) {
  AudioEntries entries;
  for (int entry = 0; entry < 6; ++entry) entries[entry] = TestWave(waveSeconds);
  entries[6] = TestTune();
  return entries;
}

// 16-bit stereo frames as the disk driver writes them.
struct Capture {
  long nonSilentFrames = 0;
  double peak = 0;
};

inline Capture ReadCapture(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  Capture capture;
  std::int16_t frame[2];
  while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) {
    if (frame[0] != 0 || frame[1] != 0) ++capture.nonSilentFrames;
    capture.peak = std::max({capture.peak, std::abs(frame[0] / 32768.0), std::abs(frame[1] / 32768.0)});
  }
  return capture;
}

}  // namespace coilrun::testing
