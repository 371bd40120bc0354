// What the sounds cost at start-up: unpacking audio.dat into the data
// directory, and opening the seven players on SDL's dummy driver, with the
// music left for its first start as when it is off, and read in the
// background as when it is on (the last figure includes waiting for it).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "formats/audio_files.h"
#include "shell/media_players.h"
#include "tools/game_sounds.h"

namespace {

namespace fs = std::filesystem;

struct SoundFixture {
  SoundFixture() {
    fs::create_directories(directory);
    const auto bytes = coilrun::EncodeAudioArchive(coilrun::sound::MakeGameSounds());
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    coilrun::UnpackAudioArchive(archive, directory);
  }
  ~SoundFixture() { fs::remove_all(directory); }

  fs::path directory = fs::temp_directory_path() / "coilrun-sound-bench";
  fs::path archive = directory / "audio.dat";
};

SoundFixture& Sounds() {
  static SoundFixture fixture;
  return fixture;
}

// At start-up the files are new: the last exit deleted them.
void BM_UnpackAudioArchive(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    coilrun::RemoveSoundFiles(Sounds().directory);
    state.ResumeTiming();
    const auto result = coilrun::UnpackAudioArchive(Sounds().archive, Sounds().directory);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_UnpackAudioArchive)->Unit(benchmark::kMillisecond);

void BM_OpenPlayers(benchmark::State& state) {
  coilrun::MediaPlayers players;
  for (auto _ : state) {
    benchmark::DoNotOptimize(players.Open(Sounds().directory));
    state.PauseTiming();
    players.Close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenPlayers)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_OpenPlayersAndReadTheMusic(benchmark::State& state) {
  coilrun::MediaPlayers players;
  for (auto _ : state) {
    benchmark::DoNotOptimize(players.Open(Sounds().directory, coilrun::MusicOutput::Loading::Ahead));
    players.Close();
  }
}
BENCHMARK(BM_OpenPlayersAndReadTheMusic)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  qputenv("SDL_AUDIODRIVER", "dummy");
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
