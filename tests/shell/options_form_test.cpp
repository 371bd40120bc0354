#include "shell/options_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <string>

#include "present/cell_looks.h"
#include "present/text_painting.h"
#include "shell/beat_timer.h"
#include "shell/main_form.h"
#include "tests/present/surface_checks.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/modal_answer.h"

namespace coilrun {
namespace {

using testing::ArrangedModel;

using testing::ModalAnswer;

const QColor kBlue(0x00, 0x00, 0xFF);

class OptionsFormTest : public ::testing::Test {
 protected:
  OptionsFormTest() {
    // Shown without its own event loop, so that a test can act on it and
    // look at the window behind it.
    dialog.show();
  }

  template <typename Widget = QWidget>
  Widget& Control(const char* name) {
    auto* control = dialog.findChild<Widget*>(QLatin1String(name));
    if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *control;
  }
  // Clicks a control on its page, which is brought to the front first.
  void Click(const char* name) {
    QWidget& control = Control(name);
    auto& pages = Control<QTabWidget>("PageControl");
    for (int page = 0; page < pages.count(); ++page) {
      if (pages.widget(page)->isAncestorOf(&control)) pages.setCurrentIndex(page);
    }
    // Near the left edge, where a check box or radio button has its mark.
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(4, control.height() / 2));
  }

  // The colour chooser's answer to a click on the control.
  void ChooseColor(const char* name, const QColor& color) {
    const ModalAnswer choose([&](QWidget& chooser) {
      auto& colorDialog = dynamic_cast<QColorDialog&>(chooser);
      colorDialog.setCurrentColor(color);
      colorDialog.accept();
    });
    Click(name);
    EXPECT_EQ(choose.dialogsSeen(), 1);
  }

  // A living snake of `player` on row `y`, head at column 20 heading right,
  // in a game in play whose timer runs, but not so soon that a beat moves it
  // while the test looks.
  void PlaceSnake(int player, int y) {
    GameModel& model = ArrangedModel(form);
    model.ScreenState = BoardScreen;
    PlayerState& snake = model.Players[player];
    snake.Lives = 5;
    snake.Length = kStartLength;
    snake.Direction = Direction::Right;
    for (int k = 1; k <= kStartLength + 1; ++k) {
      snake.BodyX[k] = 21 - k;
      snake.BodyY[k] = y;
    }
    MainForm& host = form;
    host.SetTimerInterval(GameTimer::Game, 3'600'000);
    host.SetTimerEnabled(GameTimer::Game, true);
  }

  QColor FieldPixel(int x, int y) const { return form.surfaces().field().pixelColor(x, y); }
  ::testing::AssertionResult ReportValue(const QPoint& topLeft, const QString& text) {
    return testing::ShowsText(form.surfaces().report(), topLeft, text, SansFace(11, true), Qt::white,
                              ToQColor(ArrangedModel(form).Settings.ReportColor));
  }
  BeatTimer& GameBeat() { return *form.findChild<BeatTimer*>(QStringLiteral("Timer")); }
  QTimer& ReportTimer() { return *form.findChild<QTimer*>(QStringLiteral("ReportTimer")); }

  QTemporaryDir dataDirectory;
  MainForm form{dataDirectory.path(), QString()};
  OptionsForm& dialog = *form.findChild<OptionsForm*>(QStringLiteral("OptionsForm"));
};

TEST_F(OptionsFormTest, ANewColourForPlayerTwoRepaintsTheSnakeWhileTheGameRunsOn) {
  ArrangedModel(form).Settings.PlayerCount = 2;
  PlaceSnake(1, 5);
  PlaceSnake(2, 9);
  ChooseColor("ColorBox2", kBlue);

  EXPECT_TRUE(GameBeat().isActive());
  for (int k = 1; k < kStartLength; ++k) EXPECT_EQ(FieldPixel(10 * (21 - k) + 5, 95), kBlue) << k;
  EXPECT_EQ(Control<QLineEdit>("NameEdit2").palette().color(QPalette::Base), kBlue);

  // Cancelling changes nothing.
  const ModalAnswer cancel([](QWidget& chooser) { dynamic_cast<QDialog&>(chooser).reject(); });
  Click("ColorBox2");
  EXPECT_EQ(ArrangedModel(form).Players[2].Color, FromQColor(kBlue));
}

TEST_F(OptionsFormTest, ANameFieldKeepsFifteenLatin1CharactersAndAClearedOneTheOldName) {
  auto& field = Control<QLineEdit>("NameEdit1");
  EXPECT_EQ(field.text(), QStringLiteral("Player1"));
  field.clear();
  // Typed as text, since the test's key names are plain ASCII.
  for (const QChar character : QStringLiteral("J\u00F6rg\u03A9 von Ostenhausen"))
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(character), Qt::NoModifier);
  EXPECT_EQ(field.text(), QStringLiteral("J\u00F6rg von Ostenh"));
  QTest::keyClick(&field, Qt::Key_Return);
  EXPECT_EQ(ArrangedModel(form).Players[1].Name, "J\xF6rg von Ostenh");

  field.clear();
  QTest::keyClick(&field, Qt::Key_Return);
  EXPECT_EQ(ArrangedModel(form).Players[1].Name, "J\xF6rg von Ostenh");
  EXPECT_TRUE(field.text().isEmpty());
}

// The report panel of a game in play shows the values as they change.
TEST_F(OptionsFormTest, TheSpeedLabelsAndWrapReachTheGameTimerAndTheReportPanel) {
  PlaceSnake(1, 5);
  const struct {
    const char* label;
    int speed, interval;
  } kLabels[] = {{"SuperFastLabel", 10, 17}, {"SlowLabel", 1, 170}, {"MediumLabel", 4, 119}, {"FastLabel", 7, 68}};
  for (const auto& [label, speed, interval] : kLabels) {
    Click(label);
    EXPECT_EQ(Control<QSlider>("TrackBar").value(), speed) << label;
    EXPECT_EQ(ArrangedModel(form).Settings.Speed, speed) << label;
    EXPECT_EQ(GameBeat().interval(), interval) << label;
    EXPECT_TRUE(ReportValue({460, 18}, QString::number(speed) + QStringLiteral("  "))) << label;
  }
  // The slider moved by the player does the same.
  Control<QSlider>("TrackBar").triggerAction(QSlider::SliderSingleStepAdd);
  EXPECT_EQ(GameBeat().interval(), 51);
  EXPECT_TRUE(ReportValue({460, 18}, QStringLiteral("8  ")));

  Click("Wrap1");
  EXPECT_FALSE(ArrangedModel(form).Settings.Wrap);
  EXPECT_TRUE(ReportValue({454, 2}, QStringLiteral("No  ")));
}

TEST_F(OptionsFormTest, TheSnakeSampleCyclesThroughThePlayers) {
  const QPoint insideFirstSquare = Control("SnakeBox").geometry().topLeft() + QPoint(4, 24);
  const auto sampleColor = [&] { return Control("Shape").grab().toImage().pixelColor(insideFirstSquare); };
  EXPECT_EQ(sampleColor(), QColor(0xFF, 0xFF, 0xFF));
  const QColor next[] = {{0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0xFF}, {0xFF, 0x00, 0xFF}, {0xFF, 0xFF, 0xFF}};
  for (const QColor& color : next) {
    Click("SnakeBox");
    EXPECT_EQ(sampleColor(), color);
  }
}

TEST_F(OptionsFormTest, ABrickColourChosenWhileColoursAreMixedUnticksThemAndRedrawsTheBricks) {
  PlaceSnake(1, 5);
  GameModel& model = ArrangedModel(form);
  model.LevelGrid.at(30, 20) = BoardCell{-NormalBrick, 1, {}};
  ASSERT_TRUE(Control<QCheckBox>("MixBricksColors1").isChecked());

  ChooseColor("BrickBox", kBlue);
  EXPECT_FALSE(Control<QCheckBox>("MixBricksColors1").isChecked());
  EXPECT_FALSE(model.Settings.MixBricksColors);
  EXPECT_EQ(FieldPixel(300, 200), kBlue);
}

// On the title page the message pair moves at once, and stands still again
// at the left; Interval and Step serve only the moving lines.
TEST_F(OptionsFormTest, MovingStartsTheTitlePagesPairAndLeftStopsItAtTheLeft) {
  ASSERT_EQ(ArrangedModel(form).ScreenState, TitleScreen);
  const char* movingControls[] = {"IntervalLabel", "IntervalEdit", "StepLabel", "StepEdit"};
  for (const char* name : movingControls) EXPECT_FALSE(Control(name).isEnabled()) << name;
  Click("MovingRadio");
  for (const char* name : movingControls) EXPECT_TRUE(Control(name).isEnabled()) << name;
  EXPECT_TRUE(ReportTimer().isActive());
  const QImage started = form.surfaces().report().copy();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.surfaces().report() != started; }, 2000));

  Click("LeftRadio");
  EXPECT_FALSE(ReportTimer().isActive());
  const QImage still = form.surfaces().report().copy();
  QTest::qWait(100);
  EXPECT_EQ(form.surfaces().report(), still);
  // Both lines start at x = 14; a letter's ink may begin a pixel or two
  // inside its cell.
  const int inkLeft = testing::InkBounds(still, still.rect(), QColor(0xFF, 0x00, 0x00)).left();
  EXPECT_GE(inkLeft, 14);
  EXPECT_LE(inkLeft, 16);
}

TEST_F(OptionsFormTest, TheResetRemovesTheTableAndReportsWhenThereIsNone) {
  const QString table = dataDirectory.filePath(QStringLiteral("hscores.dat"));
  ASSERT_TRUE(QFile::exists(table));
  {
    const ModalAnswer noMessageExpected;
    Click("ResetButton");
    EXPECT_EQ(noMessageExpected.dialogsSeen(), 0);
  }
  EXPECT_FALSE(QFile::exists(table));

  QString message;
  const ModalAnswer readMessage([&](QWidget& box) {
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) message = label->text();
  });
  Click("ResetButton");
  EXPECT_EQ(message, QStringLiteral("Unable to find the file \"hscores.dat\"."));
}

// Return goes to the Close button, never to the reset beside the radio buttons.
TEST_F(OptionsFormTest, ReturnOnTheReportPageKeepsTheTable) {
  dialog.hide();
  const ModalAnswer pressReturn([](QWidget& shown) {
    auto* left = shown.findChild<QRadioButton*>(QStringLiteral("LeftRadio"));
    left->setFocus();
    QTest::keyClick(left, Qt::Key_Return);
  });
  dialog.ShowOnPage(OptionsForm::ReportPage);
  EXPECT_TRUE(QFile::exists(dataDirectory.filePath(QStringLiteral("hscores.dat"))));
}

TEST_F(OptionsFormTest, WithoutSoundFilesSoundsAndMusicAreUntickedAndDisabled) {
  dialog.hide();
  ArrangedModel(form).Settings.NoSoundFiles = true;
  dialog.show();
  for (const char* name : {"Sounds1", "Music1"}) {
    EXPECT_FALSE(Control<QCheckBox>(name).isChecked()) << name;
    EXPECT_FALSE(Control(name).isEnabled()) << name;
  }
  // Kept for a run that has sound again.
  EXPECT_TRUE(ArrangedModel(form).Settings.Sounds);
}

// The controls are built when the dialog first opens, which may be long
// after start-up: they show the names as the dialog took them then.
TEST(OptionsFormFirstOpening, ShowsTheNamesOfStartUp) {
  const QTemporaryDir dataDirectory;
  MainForm form(dataDirectory.path(), QString());
  ArrangedModel(form).Players[1].Name = "Renamed";
  auto& dialog = *form.findChild<OptionsForm*>(QStringLiteral("OptionsForm"));
  dialog.show();
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("NameEdit1"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QStringLiteral("Player1"));
}

}  // namespace
}  // namespace coilrun
