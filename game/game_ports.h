// Everything outside the rules that a game reaches, one port a concern.
#pragma once

#include "engine/clock.h"
#include "engine/sound_players.h"
#include "game/game_timers.h"
#include "game/high_score_store.h"
#include "game/prompts.h"

namespace coilrun {

struct GamePorts {
  Prompts& prompts;
  GameTimers& timers;
  SoundPlayers& sounds;
  HighScoreStore& highScores;
  Clock& clock;
};

}  // namespace coilrun
