// How long a standard MIDI file plays: to the end of its longest track,
// through every tempo change. The music player needs it to know when a
// piece that the synthesizer loops has come round to its start again.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace coilrun {

// Seconds; nullopt for bytes that are no standard MIDI file of format 0 or
// 1 (format 2 holds independent pieces and has no single length).
std::optional<double> MidiPlayingSeconds(std::span<const std::uint8_t> bytes);

}  // namespace coilrun
