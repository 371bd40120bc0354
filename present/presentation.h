// Everything the window shows of a game: the two surfaces and the three
// views that paint on them, wired to one another. They read the model; only
// the game writes it.
#pragma once

#include "engine/game_view.h"
#include "engine/model.h"
#include "game/high_score_store.h"
#include "present/board_painter.h"
#include "present/information_screens.h"
#include "present/report_panel.h"
#include "present/surfaces.h"

namespace coilrun {

class Presentation {
 public:
  Presentation(const GameModel& model, HighScoreStore& highScores)
      : surfaces(model),
        report(model, surfaces),
        board(model, surfaces, report),
        screens(model, surfaces, board, report, highScores) {}

  GameView views() { return {board, report, screens}; }

  Surfaces surfaces;
  ReportPanel report;
  BoardPainter board;
  InformationScreens screens;
};

}  // namespace coilrun
