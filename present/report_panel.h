// The report panel below the field: the game's values during play, the
// information screens' message pairs otherwise.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/game_view.h"
#include "engine/model.h"
#include "present/state_messages.h"
#include "present/surfaces.h"

namespace coilrun {

class ReportPanel : public ReportView {
 public:
  ReportPanel(const GameModel& model, Surfaces& surfaces);

  // The values do nothing while an information screen is shown.
  void ShowScore(int player) override;
  void ShowLives(int player) override;
  void ShowNumber() override;
  void ShowLevel();
  void ShowWrap() override;
  void ShowSpeed() override;
  void ClearReport() override;
  // The labels and every value; draws over what the panel shows.
  void DrawReport();
  // The whole panel from the model, starting from the bare panel as an
  // uncovered window shows it.
  void RepaintReport() override;
  void ShowStateMessage(bool entering) override;
  void MoveReportLines() override;
  void ReportModeChanged(std::uint8_t previousMode) override;

  // Fills the message table and sets every screen's counter to a random
  // pair, from the seed.
  void InitMessages(std::uint32_t seed);
  // Two message lines at the positions of the report mode.
  void DrawReportLines(const QString& line1, const QString& line2);

  std::int32_t topLineX() const { return topLineX_; }
  std::int32_t bottomLineX() const { return bottomLineX_; }

 private:
  // Labels and message lines; what they paint may cover values.
  void WriteText(const QPoint& topLeft, const QString& text, const QColor& color);
  void WriteValue(const QPoint& topLeft, const QString& text);
  void PaintText(const QPoint& topLeft, const QString& text, const QColor& color);
  // The current pair of an information screen, padded with the blanks that
  // wipe what a moving line leaves behind.
  void DrawPair(int state, bool padded);
  bool ScreenShown() const { return IsInformationScreen(model_.ScreenState); }
  int PlayerCount() const { return model_.Settings.PlayerCount; }

  const GameModel& model_;
  Surfaces& surfaces_;
  QFont font_;

  struct ShownValue {
    QPoint topLeft;
    QString text;
    QRgb background;
  };
  // The values the panel shows now, by their place.
  std::vector<ShownValue> shownValues_;

  StateMessageTable stateMessages_;
  std::array<std::uint8_t, kInformationScreenCount> messageCounters_{};
  // Moving mode draws a line at the position's absolute value; the sign is
  // its direction, negative while it runs left.
  std::int32_t topLineX_ = 0;
  std::int32_t bottomLineX_ = 0;
};

}  // namespace coilrun
