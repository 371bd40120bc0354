// The information screens that take the field's place between games, and
// the pause box over a paused game.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"
#include "present/board_painter.h"
#include "present/pictures.h"
#include "present/report_panel.h"
#include "present/surfaces.h"

namespace coilrun {

// A screen's heading: "coilrun " and the word with a blank between every
// two of its characters.
QString SpacedTitle(const QString& word);

class InformationScreens : public ScreenView {
 public:
  InformationScreens(GameModel& model, Surfaces& surfaces, BoardPainter& board, ReportPanel& report, Host& host);

  // The whole field for the current ScreenState, starting from the bare
  // field as an uncovered window shows it; a picture's see-through copy
  // takes the field's colour of the moment.
  void RepaintBoard();

  // Each enters its screen, clearing the field when another one was shown,
  // or, when its screen is shown already, draws it again.
  void ShowKeys();
  // Reads the table afresh on every draw.
  void ShowHighScores();
  void ShowAbout();
  void ShowBrickTypes();
  // These four show their message pair themselves.
  void ShowTitle() override;
  void ShowCongratulations() override;
  void ShowWinner() override;
  void ShowDisappointment() override;

  void DrawPauseBox() override;
  // Redraws the game and its report, which takes the box away.
  void ErasePauseBox() override;

  // The help menu's commands: the screen's message pair, then the screen.
  void BrickTypes1Click();
  void keys1Click();
  void HighScores1Click();
  void About1Click();

 private:
  void Enter(std::uint8_t state);
  void DrawGame();
  void WriteText(const QPoint& topLeft, const QString& text, const QFont& font);
  void WriteCentred(int top, const QString& text, const QFont& font);
  void WriteTitle(const char* word);
  void WriteBody(int x, int y, const char* text);
  void DrawSeeThrough(const QImage& picture, QImage& copy, int top);
  void ShowEndPage(std::uint8_t state, const char* titleWord, const QString& line, const QImage& picture, QImage& copy);
  QString WinnerName() const;

  GameModel& model_;
  Surfaces& surfaces_;
  BoardPainter& board_;
  ReportPanel& report_;
  Host& host_;
  QFont titleFont_;
  QFont bodyFont_;
  QFont smallPrintFont_;
  QFont creditFont_;
  QFont pauseFont_;

  Pictures pictures_;
  QImage BuffLogoPic;
  QImage BuffExePic;
  QImage BuffSkipPic;
  QImage BuffCompPic;
};

}  // namespace coilrun
