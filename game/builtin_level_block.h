// The 82 built-in levels as the program carries them: the level stream with
// every byte shifted by 70, generated at build time from data/levels/.
#pragma once

#include <cstdint>
#include <span>

namespace coilrun {

std::span<const std::uint8_t> BuiltInLevelBlock();

}  // namespace coilrun
