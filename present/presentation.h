// Everything the window shows of a game: the two surfaces and the three
// views that paint on them, wired to one another.
#pragma once

#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"
#include "present/board_painter.h"
#include "present/information_screens.h"
#include "present/report_panel.h"
#include "present/surfaces.h"

namespace coilrun {

class Presentation {
 public:
  Presentation(GameModel& model, Host& host)
      : surfaces(model),
        report(model, surfaces, host),
        board(model, surfaces, report),
        screens(model, surfaces, board, report, host) {}

  GameView views() { return {board, report, screens}; }

  Surfaces surfaces;
  ReportPanel report;
  BoardPainter board;
  InformationScreens screens;
};

}  // namespace coilrun
