#include "present/information_screens.h"

#include <algorithm>

#include "present/cell_looks.h"
#include "present/text_painting.h"

namespace coilrun {

namespace {

// Faces in pixels: 12 points at 96 dpi are 16 pixels, 9 points 12, 7 points 9.
constexpr int kTitlePixels = 16;
constexpr int kBodyPixels = 12;
constexpr int kSmallPrintPixels = 9;
// These two are given as the height of the whole text cell.
constexpr int kCreditCellHeight = 12;
constexpr int kPauseCellHeight = 22;

constexpr int kCentre = kFieldWidth / 2;
constexpr int kTitleTop = 20;
constexpr int kEndPageLineTop = 65;
constexpr int kEndPagePictureTop = 90;

// Each player's heading on the keys page; the lines follow 20 pixels apart,
// 20 pixels further in.
constexpr QPoint kKeysHeadings[kMaxPlayers] = {{100, 60}, {300, 180}, {300, 60}, {100, 180}};
constexpr int kKeysLineIndent = 20;
constexpr int kKeysLineHeight = 20;
constexpr QPoint kKeysPauseLine{100, 280};

constexpr int kBrickTypesLabelX = 210;
constexpr int kBrickTypesSampleColumn = 17;
// The sample character brick shows a "Z".
constexpr std::uint8_t kSampleCharacter = 'Z';

struct BrickSample {
  const char* label;
  int labelY;
  int row;
  // None for the character brick, which is drawn with its sample character.
  void (BoardPainter::*draw)(int x, int y);
};

constexpr BrickSample kBrickSamples[] = {
    {"Normal brick", 65, 7, &BoardPainter::DrawNormalBrick},
    {"Character brick", 85, 9, nullptr},
    {"Door brick", 105, 11, &BoardPainter::DrawDoorBrick},
    {"In-out brick", 125, 13, &BoardPainter::DrawInOutBrick},
    {"Rebound brick", 145, 15, &BoardPainter::DrawReboundBrick},
    {"Score brick", 165, 17, &BoardPainter::DrawScoreBrick},
    {"Life brick", 185, 19, &BoardPainter::DrawLifeBrick},
};

// The about page's own lines: who made the game, on what terms it is given
// away, and where to write.
constexpr int kAboutPictureX = 40;
constexpr int kAboutTop = 60;
constexpr int kAboutPictureGap = 20;
constexpr char kVersionLine[] = "Coilrun version " COILRUN_VERSION;
constexpr char kBuiltLine[] = "built Sep 13 1998";
struct AboutLine {
  int y;
  const char* text;
};
constexpr AboutLine kBesidePortrait[] = {
    {85, "Made by the Coilrun team,"},
    {110, "with pictures and sounds of its own."},
    {145, "Free to copy and to give away,"},
    {170, "as long as nobody is asked to pay."},
};
constexpr AboutLine kBelowPortrait[] = {
    {205, "Questions and ideas for the game: see the README."},
    {230, "News of the game: see the README as well."},
    {265, "You can send me e-mail and I will send you Tessarak!"},
};

constexpr char kTitleCredit[] = "Brindlemoss";
constexpr int kTitleCreditTop = 290;
constexpr int kLogoTop = 60;

constexpr char kPauseText[] = "Game paused!";

}  // namespace

QString SpacedTitle(const QString& word) {
  QString title = QStringLiteral("coilrun ");
  for (qsizetype i = 0; i < word.size(); ++i) {
    if (i > 0) title += QLatin1Char(' ');
    title += word[i];
  }
  return title;
}

InformationScreens::InformationScreens(const GameModel& model, Surfaces& surfaces, BoardPainter& board,
                                       ReportPanel& report, HighScoreStore& highScores)
    : model_(model),
      surfaces_(surfaces),
      board_(board),
      report_(report),
      highScores_(highScores),
      titleFont_(SansFace(kTitlePixels, true)),
      bodyFont_(SansFace(kBodyPixels, false)),
      smallPrintFont_(SansFace(kSmallPrintPixels, false)),
      creditFont_(FitCellHeight(SansFace(kCreditCellHeight, false), kCreditCellHeight)),
      pauseFont_([] { return FitCellHeight(SansFace(kPauseCellHeight, true), kPauseCellHeight); }) {}

void InformationScreens::WriteText(const QPoint& topLeft, const QString& text, const QFont& font) {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  painting.changed(PaintText(painting.painter(), topLeft, text, font, Qt::black, ToQColor(model_.Settings.BackColor)));
}

void InformationScreens::WriteCentred(int top, const QString& text, const QFont& font) {
  WriteText({kCentre - TextSize(font, text).width() / 2, top}, text, font);
}

void InformationScreens::WriteTitle(const char* word) {
  WriteCentred(kTitleTop, SpacedTitle(QString::fromLatin1(word)), titleFont_);
}

void InformationScreens::WriteBody(int x, int y, const char* text) {
  WriteText({x, y}, QString::fromLatin1(text), bodyFont_);
}

void InformationScreens::DrawSeeThrough(const QImage& picture, QImage& copy, int top) {
  BuildSeeThroughCopy(picture, ToQColor(model_.Settings.BackColor), copy);
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const QRect placed(QPoint(kCentre - copy.width() / 2, top), copy.size());
  painting.painter().drawImage(placed.topLeft(), copy);
  painting.changed(placed);
}

// A screen entered from the game or another screen starts on a clear field;
// one drawn again is drawn over what the window shows.
void InformationScreens::ShowPage(bool entering) {
  // The table is read before anything is painted: reading may stop at a
  // message box about a damaged file.
  if (model_.ScreenState == HighScoreScreen) {
    const HighScoreTable table = highScores_.ReadHighScores();
    Surfaces::Painting painting(surfaces_, Surface::Field);
    if (entering) board_.ClearBoard();
    ShowHighScores(table);
    return;
  }
  Surfaces::Painting painting(surfaces_, Surface::Field);
  if (entering) board_.ClearBoard();
  DrawPage();
}

void InformationScreens::DrawGame() {
  board_.DrawNumber();
  const int players = std::clamp<int>(model_.Settings.PlayerCount, 0, kMaxPlayers);
  for (int player = 1; player <= players; ++player)
    if (model_.Players[player].Lives > 0) board_.DrawWholeSnake(player);
  board_.DrawBricks();
}

void InformationScreens::RepaintBoard() {
  board_.ClearBoard();
  switch (model_.ScreenState) {
    case BoardScreen: DrawGame(); break;
    case PauseScreen:
      DrawGame();
      DrawPauseBox();
      break;
    case TitleScreen:
    case CongratulationsScreen:
    case WinnerScreen:
    case DisappointmentScreen:
      report_.ShowStateMessage(false);
      DrawPage();
      break;
    default: DrawPage(); break;
  }
}

void InformationScreens::DrawPage() {
  switch (model_.ScreenState) {
    case KeysScreen: ShowKeys(); break;
    case HighScoreScreen: ShowHighScores(highScores_.ReadHighScores()); break;
    case AboutScreen: ShowAbout(); break;
    case TitleScreen: ShowTitle(); break;
    case BrickTypesScreen: ShowBrickTypes(); break;
    case CongratulationsScreen: ShowCongratulations(); break;
    case WinnerScreen: ShowWinner(); break;
    case DisappointmentScreen: ShowDisappointment(); break;
    default: break;
  }
}

void InformationScreens::RedrawHighScoresAfterReset() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const QRect rows(QPoint(100, 50), QPoint(398, 288));
  painting.painter().fillRect(rows, ToQColor(model_.Settings.BackColor));
  painting.changed(rows);
  ShowHighScores(highScores_.ReadHighScores());
}

void InformationScreens::ShowKeys() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  WriteTitle("KEYS");
  const KeysPageTexts texts = keysSource_ != nullptr ? keysSource_->CurrentKeysPageTexts() : DefaultKeysPageTexts();
  for (int player = 0; player < kMaxPlayers; ++player) {
    const QPoint heading = kKeysHeadings[player];
    WriteText(heading, texts.players[player].heading, bodyFont_);
    QPoint line = heading + QPoint(kKeysLineIndent, 0);
    for (const QString& text : texts.players[player].lines)
      WriteText(line += QPoint(0, kKeysLineHeight), text, bodyFont_);
  }
  if (!texts.pauseLine.isEmpty()) WriteText(kKeysPauseLine, texts.pauseLine, bodyFont_);
}

void InformationScreens::ShowHighScores(const HighScoreTable& table) {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  WriteTitle("HIGHSCORE");
  constexpr int kNameEnd = 240;
  constexpr int kScoreX = 260;
  for (int row = 1; row <= kHighScoreRows; ++row) {
    const HighScoreEntry& entry = table[row - 1];
    const int top = 50 + 20 * row;
    const QString name = QString::fromLatin1(entry.Name.data(), std::ssize(entry.Name));
    WriteText({kNameEnd - TextSize(bodyFont_, name).width(), top}, name, bodyFont_);
    WriteText({kScoreX, top}, QString::number(entry.Score), bodyFont_);
  }
}

void InformationScreens::ShowAbout() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  WriteTitle("ABOUT");
  const QImage& portrait = pictures_.AuthorPic();
  painting.painter().drawImage(kAboutPictureX, kAboutTop, portrait);
  painting.changed(QRect(QPoint(kAboutPictureX, kAboutTop), portrait.size()));
  const int textLeft = kAboutPictureX + portrait.width() + kAboutPictureGap;
  WriteBody(textLeft, kAboutTop, kVersionLine);
  for (const AboutLine& line : kBesidePortrait) WriteBody(textLeft, line.y, line.text);
  for (const AboutLine& line : kBelowPortrait) WriteBody(kAboutPictureX, line.y, line.text);
  // The small print ends one pixel row above the version line's last row.
  const QSize version = TextSize(bodyFont_, QLatin1String(kVersionLine));
  const QSize built = TextSize(smallPrintFont_, QLatin1String(kBuiltLine));
  WriteText({textLeft + version.width() + 10, kAboutTop + version.height() - built.height() - 1},
            QLatin1String(kBuiltLine), smallPrintFont_);
}

// The sample character is handed to the drawing only: the level's own cell
// (17, 9) stays as it is.
void InformationScreens::ShowBrickTypes() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  WriteTitle("BRICK TYPES");
  for (const BrickSample& sample : kBrickSamples) {
    WriteBody(kBrickTypesLabelX, sample.labelY, sample.label);
    if (sample.draw)
      (board_.*sample.draw)(kBrickTypesSampleColumn, sample.row);
    else
      board_.DrawCharacterBrickShowing(kBrickTypesSampleColumn, sample.row, kSampleCharacter);
  }
}

void InformationScreens::ShowTitle() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const QString credit = QLatin1String(kTitleCredit);
  WriteText({kFieldWidth - TextSize(creditFont_, credit).width(), kTitleCreditTop}, credit, creditFont_);
  DrawSeeThrough(pictures_.LogoPic(), logoCopy_, kLogoTop);
}

void InformationScreens::ShowEndPage(const char* titleWord, const QString& line, const QImage& picture, QImage& copy) {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  WriteTitle(titleWord);
  WriteCentred(kEndPageLineTop, line, bodyFont_);
  DrawSeeThrough(picture, copy, kEndPagePictureTop);
}

void InformationScreens::ShowCongratulations() {
  ShowEndPage("CONGRATULATIONS", QStringLiteral("You have finished all levels in exe"), pictures_.ExePic(), exeCopy_);
}

void InformationScreens::ShowDisappointment() {
  ShowEndPage("DISAPPOINTMENT", QStringLiteral("You have skipped some levels"), pictures_.SkipPic(), skipCopy_);
}

void InformationScreens::ShowWinner() { ShowEndPage("Comp.WINNER", WinnerName(), pictures_.CompPic(), compCopy_); }

// Living or not, the player with the most wins; of those tied, the one
// with the highest number.
QString InformationScreens::WinnerName() const {
  const int players = std::clamp<int>(model_.Settings.PlayerCount, 0, kMaxPlayers);
  int winner = 0;
  for (int player = 1; player <= players; ++player)
    if (winner == 0 || model_.Players[player].Wins >= model_.Players[winner].Wins) winner = player;
  if (winner == 0) return QString();
  const std::string& name = model_.Players[winner].Name;
  return QString::fromLatin1(name.data(), std::ssize(name));
}

// The box's frame lies inside its rectangle; the shadow falls 5 pixels to
// the right and down.
void InformationScreens::DrawPauseBox() {
  const QString text = QLatin1String(kPauseText);
  const QSize size = TextSize(pauseFont_.get(), text);
  const int a = size.width() / 2;
  const int b = size.height() / 2;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  QPainter& painter = painting.painter();
  const QRect shadow(QPoint(245 - a, 125 - b), QPoint(264 + a, 144 + b));
  const QRect box(QPoint(240 - a, 120 - b), QPoint(259 + a, 139 + b));
  painter.fillRect(shadow, Qt::black);
  painter.fillRect(box, Qt::black);
  painter.fillRect(box.adjusted(1, 1, -1, -1), Qt::white);
  PaintText(painter, {250 - a, 130 - b}, text, pauseFont_.get(), Qt::black, Qt::white);
  painting.changed(box | shadow);
}

// The full repaint starts from the bare field, so the box goes with it.
void InformationScreens::ErasePauseBox() {
  RepaintBoard();
  report_.ClearReport();
  report_.DrawReport();
}

}  // namespace coilrun
