// Writes the game's seven sound files into a directory, for packing into
// audio.dat while the game is built.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/game_sounds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: coilrun-make-sounds DIRECTORY\n";
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  const coilrun::AudioEntries entries = coilrun::sound::MakeGameSounds();
  for (int entry = 0; entry < coilrun::kAudioEntryCount; ++entry) {
    const std::filesystem::path file = directory / coilrun::kAudioEntryNames[entry];
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(entries[entry].data()),
              static_cast<std::streamsize>(entries[entry].size()));
    out.close();
    if (!out) {
      std::cerr << file.string() << ": cannot write the file\n";
      return 1;
    }
  }
  return 0;
}
