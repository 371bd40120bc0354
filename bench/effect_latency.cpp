// The time from an effect request to its first non-silent sample, on SDL's
// disk driver, over 40 requests of the target sound. Two figures: when the
// mixer hands the sample to the device (seen in the mixer's post-mix hook),
// and when it is in the capture file, which the driver writes through a
// stdio buffer of about two mixer buffers.
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
#include "shell/media_players.h"
#include "tools/game_sounds.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

std::atomic<bool> waiting{false};
std::atomic<Clock::rep> heardAt{0};

void PostMix(void*, Uint8* stream, int length) {
  if (!waiting) return;
  const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
  if (std::any_of(samples, samples + length / 2, [](std::int16_t sample) { return sample != 0; })) {
    heardAt = Clock::now().time_since_epoch().count();
    waiting = false;
  }
}

// Waits until the capture file holds a non-zero sample after `from` bytes.
Clock::time_point InFile(const fs::path& capture, std::uintmax_t from) {
  std::vector<char> bytes;
  while (true) {
    std::ifstream in(capture, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
      if (bytes[at] != 0 || bytes[at + 1] != 0) return Clock::now();
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
  coilrun::MediaPlayers players;
  if (!players.Open(directory).empty()) return 1;
  Mix_SetPostMix(PostMix, nullptr);

  std::vector<double> mixed;
  std::vector<double> written;
  for (int request = 0; request < 40; ++request) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));  // the last sound has died away
    const std::uintmax_t before = fs::file_size(capture);
    waiting = true;
    const Clock::time_point asked = Clock::now();
    players.PlayFromStart(coilrun::SoundPlayer::TargetEaten);
    const Clock::time_point inFile = InFile(capture, before);
    while (waiting) std::this_thread::yield();
    mixed.push_back(Milliseconds(Clock::time_point(Clock::duration(heardAt.load())) - asked));
    written.push_back(Milliseconds(inFile - asked));
  }
  Mix_SetPostMix(nullptr, nullptr);
  players.Close();
  fs::remove_all(directory);
  std::printf("effect request to first non-silent sample (%d-frame mixer buffer, %d Hz)\n",
              coilrun::MediaPlayers::kBufferFrames, coilrun::MediaPlayers::kSampleRate);
  Report("handed to the device", mixed);
  Report("in the disk driver's file", written);
  return 0;
}
