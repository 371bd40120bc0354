// coilrun-audio: packs, lists and unpacks the game's sound archive, so that
// players can put sounds of their own into the game.
#include <iostream>
#include <string>
#include <vector>

#include "tools/audio_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return coilrun::RunAudioTool(arguments, std::cout, std::cerr);
}
