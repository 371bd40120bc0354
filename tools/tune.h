// The game's background music: an original tune in General MIDI, written to
// loop. It ends exactly on a bar line after a bar that leads back into the
// first, so played again from the start it keeps its beat.
#pragma once

#include <cstdint>
#include <vector>

namespace coilrun::sound {

// A standard MIDI file of 32 bars at 132 beats a minute (about 58 seconds).
std::vector<std::uint8_t> ComposeTune();

}  // namespace coilrun::sound
