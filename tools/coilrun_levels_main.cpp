// coilrun-levels: the level tool for players, carrying the built-in levels.
#include <iostream>
#include <string>
#include <vector>

#include "game/builtin_level_block.h"
#include "tools/level_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return coilrun::RunLevelTool(arguments, std::cout, std::cerr, coilrun::BuiltInLevelBlock());
}
