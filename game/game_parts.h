// The classes a game is made of, wired to one another over one model: the
// rules, the level sources, the computer players, the course of a game, the
// screens, the high score entry and the options' effects. The window uses them through Game;
// each part's own face is what the others call.
#pragma once

#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/rules.h"
#include "game/computer_players.h"
#include "game/course.h"
#include "game/game_options.h"
#include "game/game_ports.h"
#include "game/high_score_offers.h"
#include "game/input_slot.h"
#include "game/level_sources.h"
#include "game/screens.h"

namespace coilrun {

struct GameParts {
  GameParts(GameModel& gameModel, GameView gameView, GamePorts gamePorts)
      : model(gameModel),
        view(gameView),
        ports(gamePorts),
        sources(gameModel),
        computers(gameModel),
        highScores(gameModel, computers.seats(), gamePorts.highScores, gamePorts.prompts),
        screens(gameModel, gameView, gamePorts.timers),
        course(gameModel, gameView, rules, sources, screens, highScores, gamePorts.timers, gamePorts.prompts),
        rules(gameModel, gameView, gamePorts.sounds, gamePorts.clock, course),
        options(gameModel, gameView, gamePorts.timers, gamePorts.sounds, screens, highScores, inputs) {}
  GameParts(const GameParts&) = delete;
  GameParts& operator=(const GameParts&) = delete;

  GameModel& model;
  GameView view;
  GamePorts ports;
  // Where a recorder or a session plugs in; empty, every input passes.
  InputSlot inputs;
  LevelSources sources;
  ComputerPlayers computers;
  HighScoreOffers highScores;
  Screens screens;
  // The course hands crashes and finished levels on; the rules report them
  // to it, so each holds the other.
  Course course;
  Rules rules;
  GameOptions options;
};

}  // namespace coilrun
