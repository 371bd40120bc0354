// The sound archive tool's commands: pack seven sound files into audio.dat,
// list what an archive holds, unpack it into a directory.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace coilrun {

// Returns the exit status.
int RunAudioTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace coilrun
