// The game's six effect sounds, synthesised.
#pragma once

#include "tools/wave_synthesis.h"

namespace coilrun::sound {

Samples TargetBlip();    // 001: a target eaten
Samples CrashThud();     // 002: a crash
Samples NinthFanfare();  // 003: the ninth target
Samples BrickChime();    // 004: a score or life brick
Samples DoorWhoosh();    // 005: a door or in-out brick
Samples ReboundBoing();  // 006: a rebound brick

}  // namespace coilrun::sound
