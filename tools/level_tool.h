// The level tool's commands: compile level sources into level files, show a
// level of a file or of the built-in block, check a level file.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

namespace coilrun {

// Returns the exit status. `builtInBlock` is empty in a program that does
// not carry the built-in levels.
int RunLevelTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                 std::span<const std::uint8_t> builtInBlock);

}  // namespace coilrun
