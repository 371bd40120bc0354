// The time from an effect request to its first non-silent sample, on SDL's
// disk driver, over 40 requests of the target sound. Two figures: when the
// effect mixer hands the sample to the device (seen as it fills a buffer),
// and, with the players, when it is in the capture file, which the driver
// writes through a stdio buffer of a few mixer buffers. Then 24 requests
// to a device that has gone to sleep, which the request wakes: how much the
// woken device played before the sound, and the capture file's figure,
// for requests that come while the sleeping device is still closing (the
// worst case) and for those that come once it has closed.
#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "formats/audio_files.h"
#include "shell/effect_mixer.h"
#include "shell/media_players.h"
#include "shell/sound_device.h"
#include "tools/game_sounds.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

std::atomic<bool> waiting{false};
std::atomic<Clock::rep> heardAt{0};

void Heard(const Uint8* stream, int length) {
  if (!waiting) return;
  const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
  if (std::any_of(samples, samples + length / 2, [](std::int16_t sample) { return sample != 0; })) {
    heardAt = Clock::now().time_since_epoch().count();
    waiting = false;
  }
}

// The effect mixer on its device, as the players use them.
void Mixed(void* effects, Uint8* stream, int length) {
  static_cast<coilrun::EffectMixer*>(effects)->MixInto(stream, length);
  Heard(stream, length);
}

struct InFileAt {
  Clock::time_point at;
  // Bytes of the file before the first non-zero sample, from `from`.
  std::size_t silence;
};

// Waits until the capture file holds a non-zero sample after `from` bytes.
InFileAt InFile(const fs::path& capture, std::uintmax_t from) {
  std::vector<char> bytes;
  while (true) {
    std::ifstream in(capture, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
      if (bytes[at] != 0 || bytes[at + 1] != 0) return {Clock::now(), at};
    }
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
}

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

void Report(const char* what, std::vector<double> figures) {
  std::sort(figures.begin(), figures.end());
  std::printf("%-36s median %5.1f ms   90 %% %5.1f ms   max %5.1f ms\n", what, figures[figures.size() / 2],
              figures[figures.size() * 9 / 10], figures.back());
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path directory = fs::temp_directory_path() / "coilrun-effect-latency";
  const fs::path capture = directory / "capture.raw";
  fs::create_directories(directory);
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(capture.string()));
  QCoreApplication application(argc, argv);

  const auto entries = coilrun::sound::MakeGameSounds();
  for (int entry = 0; entry < coilrun::kAudioEntryCount; ++entry) {
    std::ofstream(coilrun::SoundFilePath(directory, entry), std::ios::binary)
        .write(reinterpret_cast<const char*>(entries[entry].data()),
               static_cast<std::streamsize>(entries[entry].size()));
  }
  using coilrun::MediaPlayers;
  std::vector<double> mixed;
  {
    coilrun::EffectMixer effects(*coilrun::Sdl(), MediaPlayers::kSampleRate);
    coilrun::SoundDevice device(MediaPlayers::kSampleRate, MediaPlayers::kBufferFrames, MediaPlayers::kMusicVolume,
                                &Mixed, &effects, nullptr);
    if (!device.Open(false).empty()) return 1;
    std::string error;
    const coilrun::EffectMixer::Sound sound = effects.Load(coilrun::SoundFilePath(directory, 0), error);
    for (int request = 0; request < 40; ++request) {
      std::this_thread::sleep_for(std::chrono::milliseconds(250));  // the last sound has died away
      waiting = true;
      const Clock::time_point asked = Clock::now();
      effects.Play(0, sound);
      while (waiting) std::this_thread::yield();
      mixed.push_back(Milliseconds(Clock::time_point(Clock::duration(heardAt.load())) - asked));
    }
    device.Close();
  }

  MediaPlayers players;
  if (!players.Open(directory).empty()) return 1;
  std::vector<double> written;
  for (int request = 0; request < 40; ++request) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    const std::uintmax_t before = fs::file_size(capture);
    const Clock::time_point asked = Clock::now();
    players.PlayFromStart(coilrun::SoundPlayer::TargetEaten);
    written.push_back(Milliseconds(InFile(capture, before).at - asked));
  }

  // The woken device starts its capture file afresh, at the pace of its
  // buffers: the silence before the sound is the time it took to sound,
  // which the file's own buffering does not delay.
  std::vector<double> wokenClosing, wokenClosed, wokenSilence;
  players.setSleepAfter(100);
  for (int request = 0; request < 24; ++request) {
    const bool closing = request % 2 == 0;
    while (players.deviceAwake() || (!closing && !players.deviceSettled())) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(closing ? 1 : 10));
    }
    const Clock::time_point asked = Clock::now();
    players.PlayFromStart(coilrun::SoundPlayer::TargetEaten);
    const InFileAt heard = InFile(capture, 0);
    (closing ? wokenClosing : wokenClosed).push_back(Milliseconds(heard.at - asked));
    wokenSilence.push_back(1000.0 * static_cast<double>(heard.silence) / (4 * MediaPlayers::kSampleRate));
  }
  players.Close();
  fs::remove_all(directory);
  std::printf("effect request to first non-silent sample (%d-frame mixer buffer, %d Hz)\n", MediaPlayers::kBufferFrames,
              MediaPlayers::kSampleRate);
  Report("handed to the device", mixed);
  Report("players: in the disk driver's file", written);
  Report("asleep: played before the sound", wokenSilence);
  Report("asleep, closing: in the file", wokenClosing);
  Report("asleep, closed: in the file", wokenClosed);
  return 0;
}
