// All seven sound files of the game, in archive order, made afresh: the same
// bytes on every run.
#pragma once

#include "formats/audio_archive.h"

namespace coilrun::sound {

// The effects' common short-term loudness and their peak limit (-1 dBFS).
constexpr double kEffectLoudness = 0.32;
constexpr double kEffectPeakLimit = 0.89;

AudioEntries MakeGameSounds();

}  // namespace coilrun::sound
