// The information screens that take the field's place between games, and
// the pause box over a paused game.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "engine/game_view.h"
#include "engine/model.h"
#include "game/high_score_store.h"
#include "present/board_painter.h"
#include "present/keys_page_texts.h"
#include "present/pictures.h"
#include "present/report_panel.h"
#include "present/surfaces.h"
#include "present/text_painting.h"

namespace coilrun {

// A screen's heading: "coilrun " and the word with a blank between every
// two of its characters.
QString SpacedTitle(const QString& word);

class InformationScreens : public ScreenView {
 public:
  InformationScreens(const GameModel& model, Surfaces& surfaces, BoardPainter& board, ReportPanel& report,
                     HighScoreStore& highScores);

  // The whole field for the current ScreenState, starting from the bare
  // field as an uncovered window shows it; a picture's see-through copy
  // takes the field's colour of the moment. The picture pages draw their
  // message pair again too.
  void RepaintBoard() override;
  void ShowPage(bool entering) override;
  // After the table was reset, while its page shows: the rows wiped and
  // drawn again, from the default table that reading it now writes.
  void RedrawHighScoresAfterReset() override;
  void DrawPauseBox() override;
  void ErasePauseBox() override;

  // The keys page shows the keys the source gives; without one, the game's
  // own keys. The source must outlive the screens or be set back to null.
  void SetKeysPageSource(const KeysPageSource* source) { keysSource_ = source; }

 private:
  void DrawPage();
  void DrawGame();
  void ShowKeys();
  // The table is read afresh for every draw.
  void ShowHighScores(const HighScoreTable& table);
  void ShowAbout();
  void ShowBrickTypes();
  void ShowTitle();
  void ShowCongratulations();
  void ShowWinner();
  void ShowDisappointment();
  void WriteText(const QPoint& topLeft, const QString& text, const QFont& font);
  void WriteCentred(int top, const QString& text, const QFont& font);
  void WriteTitle(const char* word);
  void WriteBody(int x, int y, const char* text);
  void DrawSeeThrough(const QImage& picture, QImage& copy, int top);
  void ShowEndPage(const char* titleWord, const QString& line, const QImage& picture, QImage& copy);
  QString WinnerName() const;

  const GameModel& model_;
  Surfaces& surfaces_;
  BoardPainter& board_;
  ReportPanel& report_;
  HighScoreStore& highScores_;
  const KeysPageSource* keysSource_ = nullptr;
  QFont titleFont_;
  QFont bodyFont_;
  QFont smallPrintFont_;
  QFont creditFont_;
  FittedFont pauseFont_;

  Pictures pictures_;
  // The see-through pictures' copies on the field's colour.
  QImage logoCopy_;
  QImage exeCopy_;
  QImage skipCopy_;
  QImage compCopy_;
};

}  // namespace coilrun
