#include "present/report_panel.h"

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

ReportPanel::ReportPanel(GameModel& model, Surfaces& surfaces, Host& host)
    : model_(model), surfaces_(surfaces), host_(host), font_(SansFace(kFontPixels, true)) {}

void ReportPanel::WriteText(const QPoint& topLeft, const QString& text, const QColor& color) {
  Surfaces::Painting painting(surfaces_, Surface::Report);
  painting.changed(
      coilrun::PaintText(painting.painter(), topLeft, text, font_, color, ToQColor(model_.Settings.ReportColor)));
}

void ReportPanel::WriteValue(const QPoint& topLeft, const QString& text) { WriteText(topLeft, text, kValueColor); }

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
  const int level = model_.LevelNumber >= 100 ? model_.LevelNumber - 100 : model_.LevelNumber;
  WriteValue({324, kBottomRow}, Decimal(level, "  "));
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
    ShowStateMessage(model_.ScreenState);
  else
    DrawReport();
}

void ReportPanel::InitMessages() {
  StateMessages = StateMessageTexts();
  std::mt19937 random(host_.ClockSeed());
  std::uniform_int_distribution<int> pair(0, kMessagePairsPerScreen - 1);
  for (std::uint8_t& counter : MessageCounters) counter = static_cast<std::uint8_t>(pair(random));
}

void ReportPanel::DrawPair(int state, bool padded) {
  if (!IsInformationScreen(state)) return;
  const int screen = state - kFirstInformationScreen;
  const MessagePair& pair = StateMessages[screen][MessageCounters[screen] % kMessagePairsPerScreen];
  if (padded)
    DrawReportLines(QStringLiteral("  ") + pair.first + QStringLiteral("  "),
                    QStringLiteral("  ") + pair.second + QStringLiteral(" "));
  else
    DrawReportLines(pair.first, pair.second);
}

void ReportPanel::ShowStateMessage(int state) {
  if (!IsInformationScreen(state)) return;
  const bool entering = state != model_.ScreenState;
  Surfaces::Painting painting(surfaces_, Surface::Report);
  if (entering) {
    ClearReport();
    ++MessageCounters[state - kFirstInformationScreen];
  }
  if (model_.Settings.ReportMode != ReportMoving) {
    DrawPair(state, false);
    return;
  }
  if (entering) TopLineX = BottomLineX = kMovingStart;
  DrawPair(state, true);
  host_.SetTimerInterval(GameTimer::Report, model_.Settings.ReportInterval);
  host_.SetTimerEnabled(GameTimer::Report, true);
}

void ReportPanel::DrawReportLines(const QString& line1, const QString& line2) {
  const int width1 = TextSize(font_, line1).width();
  const int width2 = TextSize(font_, line2).width();
  const auto turnAtRightEdge = [](std::int32_t& lineX, int width) {
    if (width + lineX > kReportWidth - kEdgeDistance) lineX = -lineX;
  };
  turnAtRightEdge(TopLineX, width1);
  turnAtRightEdge(BottomLineX, width2);
  switch (model_.Settings.ReportMode) {
    case ReportMoving:
      for (std::int32_t* lineX : {&TopLineX, &BottomLineX})
        if (*lineX > -kEdgeDistance && *lineX < kEdgeDistance) *lineX = kEdgeDistance;
      break;
    case ReportLeft: TopLineX = BottomLineX = kLabelIndent; break;
    case ReportCenter:
      TopLineX = kCenter - width1 / 2;
      BottomLineX = kCenter - width2 / 2;
      break;
  }
  Surfaces::Painting painting(surfaces_, Surface::Report);
  // A trailing blank is narrower than the larger steps, so the blanks alone
  // would leave a column of the line's last glyph behind at each step left.
  if (model_.Settings.ReportMode == ReportMoving) {
    const int rowHeight = TextSize(font_, line1).height();
    const QColor panel = ToQColor(model_.Settings.ReportColor);
    for (const int top : {kTopRow, kBottomRow}) painting.painter().fillRect(0, top, kReportWidth, rowHeight, panel);
    painting.changed(QRect(0, kTopRow, kReportWidth, kBottomRow + rowHeight - kTopRow));
  }
  WriteText({std::abs(TopLineX), kTopRow}, line1, kLabelColor);
  WriteText({std::abs(BottomLineX), kBottomRow}, line2, kValueColor);
}

void ReportPanel::ReportTimerTimer() {
  if (!ScreenShown()) return;
  // A timer left running from a game in which the mode left Moving has
  // nothing to move; it stops rather than wake the idle program for ever.
  if (model_.Settings.ReportMode != ReportMoving) {
    host_.SetTimerEnabled(GameTimer::Report, false);
    return;
  }
  TopLineX += model_.Settings.ReportStep + 1;
  BottomLineX += model_.Settings.ReportStep;
  DrawPair(model_.ScreenState, true);
}

void ReportPanel::ChangeReportMode(std::uint8_t mode) {
  if (!ScreenShown()) {
    model_.Settings.ReportMode = mode;
    return;
  }
  if (mode != ReportMoving) host_.SetTimerEnabled(GameTimer::Report, false);
  Surfaces::Painting painting(surfaces_, Surface::Report);
  if (model_.Settings.ReportMode != mode) ClearReport();
  model_.Settings.ReportMode = mode;
  DrawPair(model_.ScreenState, mode == ReportMoving);
  if (mode == ReportMoving) host_.SetTimerEnabled(GameTimer::Report, true);
}

}  // namespace coilrun
