#include "present/report_panel.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "present/cell_looks.h"
#include "present/text_painting.h"

namespace coilrun {

namespace {

constexpr int kFontPixels = 11;  // 8 points at 96 dpi
const QColor kLabelColor(0xFF, 0xFF, 0x00);
const QColor kValueColor(0xFF, 0xFF, 0xFF);

constexpr int kTopRow = 2;
constexpr int kBottomRow = 18;
constexpr int kColumnWidth = 130;
constexpr int kLabelIndent = 14;
constexpr int kScoreIndent = 64;
constexpr int kWinsIndent = 60;

// Moving lines turn this far from either edge of the panel.
constexpr int kEdgeDistance = 10;
constexpr int kMovingStart = 11;
constexpr int kCenter = 250;

int ColumnLeft(int column) { return kColumnWidth * (column - 1); }

QString Decimal(long long value, const char* blanks) { return QString::number(value) + QLatin1String(blanks); }

}  // namespace

ReportPanel::ReportPanel(const GameModel& model, Surfaces& surfaces)
    : model_(model), surfaces_(surfaces), font_(SansFace(kFontPixels, true)) {}

void ReportPanel::WriteText(const QPoint& topLeft, const QString& text, const QColor& color) {
  shownValues_.clear();
  PaintText(topLeft, text, color);
}

void ReportPanel::PaintText(const QPoint& topLeft, const QString& text, const QColor& color) {
  Surfaces::Painting painting(surfaces_, Surface::Report);
  painting.changed(
      coilrun::PaintText(painting.painter(), topLeft, text, font_, color, ToQColor(model_.Settings.ReportColor)));
}

// Every beat asks for the scores again; a value that stands as it is
// written is not shaped and drawn anew. Values never overlap one another,
// so only other painting can change a value's pixels, and that forgets them.
void ReportPanel::WriteValue(const QPoint& topLeft, const QString& text) {
  const QRgb background = ToQColor(model_.Settings.ReportColor).rgb();
  const auto shown = std::find_if(shownValues_.begin(), shownValues_.end(),
                                  [&](const ShownValue& value) { return value.topLeft == topLeft; });
  if (shown != shownValues_.end() && shown->text == text && shown->background == background) return;
  PaintText(topLeft, text, kValueColor);
  if (shown != shownValues_.end())
    *shown = {topLeft, text, background};
  else
    shownValues_.push_back({topLeft, text, background});
}

// The blanks after each value overwrite the tail of a longer value before it.
void ReportPanel::ShowScore(int player) {
  if (ScreenShown() || player < 1 || player > kMaxPlayers) return;
  const PlayerState& state = model_.Players[player];
  const std::int32_t score = model_.Settings.Competition ? state.RoundScore : state.Score;
  WriteValue({ColumnLeft(player) + kScoreIndent, kTopRow}, Decimal(score, "  "));
}

void ReportPanel::ShowLives(int player) {
  if (ScreenShown() || player < 1 || player > kMaxPlayers) return;
  const PlayerState& state = model_.Players[player];
  if (model_.Settings.Competition)
    WriteValue({ColumnLeft(player) + kWinsIndent, kBottomRow}, Decimal(state.Wins, "  "));
  else
    WriteValue({ColumnLeft(player) + kScoreIndent, kBottomRow}, Decimal(state.Lives, "  "));
}

void ReportPanel::ShowNumber() {
  if (ScreenShown() || PlayerCount() >= 3) return;
  WriteValue({340, kTopRow}, Decimal(model_.TargetNumber, " "));
}

// The levels of a file count from 1 again.
void ReportPanel::ShowLevel() {
  if (ScreenShown() || PlayerCount() >= 3) return;
  WriteValue({324, kBottomRow}, Decimal(ShownLevelNumber(model_.LevelNumber), "  "));
}

void ReportPanel::ShowWrap() {
  if (ScreenShown() || PlayerCount() >= 3) return;
  WriteValue({454, kTopRow}, QLatin1String(model_.Settings.Wrap ? "Yes " : "No  "));
}

void ReportPanel::ShowSpeed() {
  if (ScreenShown() || PlayerCount() >= 3) return;
  WriteValue({460, kBottomRow}, Decimal(model_.Settings.Speed, "  "));
}

void ReportPanel::ClearReport() {
  shownValues_.clear();
  Surfaces::Painting painting(surfaces_, Surface::Report);
  const QRect panel(0, 0, kReportWidth, kReportHeight);
  painting.painter().fillRect(panel, ToQColor(model_.Settings.ReportColor));
  painting.changed(panel);
}

// With one or two players the right half shows the game's own values; with
// three or four it holds the players' columns 3 and 4. Columns 1 and 2 are
// filled whatever the count, so a lone player's game shows player 2's record.
void ReportPanel::DrawReport() {
  Surfaces::Painting painting(surfaces_, Surface::Report);
  const QString scoreLabel = QStringLiteral("Score");
  const QString livesLabel = QLatin1String(model_.Settings.Competition ? "Wins  " : "Lives ");
  const auto labelColumn = [&](int column) {
    WriteText({ColumnLeft(column) + kLabelIndent, kTopRow}, scoreLabel, kLabelColor);
    WriteText({ColumnLeft(column) + kLabelIndent, kBottomRow}, livesLabel, kLabelColor);
  };
  labelColumn(1);
  labelColumn(2);
  if (PlayerCount() == 3 || PlayerCount() == 4) {
    labelColumn(3);
    labelColumn(4);
    ShowScore(3);
    ShowScore(4);
    ShowLives(3);
    ShowLives(4);
  }
  if (PlayerCount() == 1 || PlayerCount() == 2) {
    WriteText({274, kTopRow}, QStringLiteral("Number"), kLabelColor);
    WriteText({274, kBottomRow}, QStringLiteral("Level"), kLabelColor);
    WriteText({404, kTopRow}, QStringLiteral("Wrap"), kLabelColor);
    WriteText({404, kBottomRow}, QStringLiteral("Speed"), kLabelColor);
    ShowNumber();
    ShowLevel();
    ShowWrap();
    ShowSpeed();
  }
  ShowScore(1);
  ShowScore(2);
  ShowLives(1);
  ShowLives(2);
}

// The panel keeps its pixels between paints, so a repaint begins where the
// window's own paint would: on the panel's bare colour, which may have
// changed.
void ReportPanel::RepaintReport() {
  Surfaces::Painting painting(surfaces_, Surface::Report);
  ClearReport();
  if (ScreenShown())
    ShowStateMessage(false);
  else
    DrawReport();
}

void ReportPanel::InitMessages(std::uint32_t seed) {
  stateMessages_ = StateMessageTexts();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pair(0, kMessagePairsPerScreen - 1);
  for (std::uint8_t& counter : messageCounters_) counter = static_cast<std::uint8_t>(pair(random));
}

void ReportPanel::DrawPair(int state, bool padded) {
  if (!IsInformationScreen(state)) return;
  const int screen = state - kFirstInformationScreen;
  const MessagePair& pair = stateMessages_[screen][messageCounters_[screen] % kMessagePairsPerScreen];
  if (padded)
    DrawReportLines(QStringLiteral("  ") + pair.first + QStringLiteral("  "),
                    QStringLiteral("  ") + pair.second + QStringLiteral(" "));
  else
    DrawReportLines(pair.first, pair.second);
}

void ReportPanel::ShowStateMessage(bool entering) {
  const int state = model_.ScreenState;
  if (!IsInformationScreen(state)) return;
  Surfaces::Painting painting(surfaces_, Surface::Report);
  if (entering) {
    ClearReport();
    ++messageCounters_[state - kFirstInformationScreen];
  }
  if (model_.Settings.ReportMode != ReportMoving) {
    DrawPair(state, false);
    return;
  }
  if (entering) topLineX_ = bottomLineX_ = kMovingStart;
  DrawPair(state, true);
}

void ReportPanel::DrawReportLines(const QString& line1, const QString& line2) {
  const int width1 = TextSize(font_, line1).width();
  const int width2 = TextSize(font_, line2).width();
  const auto turnAtRightEdge = [](std::int32_t& lineX, int width) {
    if (width + lineX > kReportWidth - kEdgeDistance) lineX = -lineX;
  };
  turnAtRightEdge(topLineX_, width1);
  turnAtRightEdge(bottomLineX_, width2);
  switch (model_.Settings.ReportMode) {
    case ReportMoving:
      for (std::int32_t* lineX : {&topLineX_, &bottomLineX_})
        if (*lineX > -kEdgeDistance && *lineX < kEdgeDistance) *lineX = kEdgeDistance;
      break;
    case ReportLeft: topLineX_ = bottomLineX_ = kLabelIndent; break;
    case ReportCenter:
      topLineX_ = kCenter - width1 / 2;
      bottomLineX_ = kCenter - width2 / 2;
      break;
  }
  Surfaces::Painting painting(surfaces_, Surface::Report);
  // A trailing blank is narrower than the larger steps, so the blanks alone
  // would leave a column of the line's last glyph behind at each step left.
  if (model_.Settings.ReportMode == ReportMoving) {
    const int rowHeight = TextSize(font_, line1).height();
    const QColor panel = ToQColor(model_.Settings.ReportColor);
    shownValues_.clear();
    for (const int top : {kTopRow, kBottomRow}) painting.painter().fillRect(0, top, kReportWidth, rowHeight, panel);
    painting.changed(QRect(0, kTopRow, kReportWidth, kBottomRow + rowHeight - kTopRow));
  }
  WriteText({std::abs(topLineX_), kTopRow}, line1, kLabelColor);
  WriteText({std::abs(bottomLineX_), kBottomRow}, line2, kValueColor);
}

void ReportPanel::MoveReportLines() {
  topLineX_ += model_.Settings.ReportStep + 1;
  bottomLineX_ += model_.Settings.ReportStep;
  DrawPair(model_.ScreenState, true);
}

void ReportPanel::ReportModeChanged(std::uint8_t previousMode) {
  Surfaces::Painting painting(surfaces_, Surface::Report);
  if (previousMode != model_.Settings.ReportMode) ClearReport();
  DrawPair(model_.ScreenState, model_.Settings.ReportMode == ReportMoving);
}

}  // namespace coilrun
