#include "tools/game_sounds.h"

#include "tools/effect_sounds.h"
#include "tools/tune.h"

namespace coilrun::sound {

AudioEntries MakeGameSounds() {
  AudioEntries entries;
  Samples (*const effects[])() = {TargetBlip, CrashThud, NinthFanfare, BrickChime, DoorWhoosh, ReboundBoing};
  for (int entry = 0; entry < 6; ++entry) {
    Samples samples = effects[entry]();
    Normalize(samples, kEffectLoudness, kEffectPeakLimit);
    entries[entry] = EncodeWave(samples);
  }
  entries[6] = ComposeTune();
  return entries;
}

}  // namespace coilrun::sound
