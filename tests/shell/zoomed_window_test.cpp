// The window zoomed and full screen on a large screen, at the display scale
// that QT_SCALE_FACTOR gives (CTest runs these at 1, 1.5 and 2). Pixels are
// read from what the screen shows, so a part of the picture not repainted
// after a change shows as a fault.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/main_form.h"
#include "shell/settings_file.h"
#include "shell/window_zoom.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/modal_answer.h"
#include "tests/shell/start_game.h"

namespace coilrun {
namespace {

using testing::ArrangedModel;
using testing::ModalAnswer;

constexpr QSize kPicture(512, 356);

class ZoomedWindowTest : public ::testing::Test {
 protected:
  // The report lines move quickly, so that every picture has moved text. A
  // snake that ate a target on a busy machine ranks when the game stops;
  // its name is not asked for, so that any box is unexpected.
  void Open(const QByteArray& ini = {}) {
    StoredSettings stored;
    stored.Settings.ReEnterName = false;
    stored.Settings.ReportMode = ReportMoving;
    stored.Settings.ReportInterval = kMinReportInterval;
    stored.Settings.ReportStep = 3;
    ASSERT_FALSE(SaveSettings(stored, dataDirectory.filePath(QStringLiteral("settings.dat")).toStdString()));
    if (!ini.isEmpty()) {
      QFile file(dataDirectory.filePath(QLatin1String(kCoilrunIniName)));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(ini);
    }
    form = std::make_unique<MainForm>(dataDirectory.path(), QString());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::setActiveWindow(form.get());
    zoom = form->findChild<WindowZoom*>();
    ASSERT_NE(zoom, nullptr);
  }

  void TearDown() override {
    if (form) form->close();
  }

  qreal ratio() const { return form->devicePixelRatio(); }
  QAction& Item(const char* name) { return *form->findChild<QAction*>(QLatin1String(name)); }

  // The largest zoom the screen takes with the menu bar, reckoned apart
  // from the window's own reckoning.
  int LargestWindowedZoom() const {
    const QSize room = form->screen()->availableGeometry().size();
    const int menuBar = form->menuBar()->height();
    return std::min(room.width() / kPicture.width(), (room.height() - menuBar) / kPicture.height());
  }

  // The client area's device pixels that are not the 1x picture, scaled by
  // the factor and centred, or black around it. The timers stand still
  // meanwhile.
  void ExpectTheScaledPicture(const std::string& what, int factor) {
    const bool gameOn = form->TimerEnabled(GameTimer::Game);
    const bool reportOn = form->TimerEnabled(GameTimer::Report);
    form->SetTimerEnabled(GameTimer::Game, false);
    form->SetTimerEnabled(GameTimer::Report, false);
    QCoreApplication::processEvents();
    // What the screen shows: the window's backing store. (The headless
    // platform's grabWindow cuts it to the logical size at a display scale.)
    QPaintDevice* const onScreen = form->backingStore()->paintDevice();
    ASSERT_EQ(onScreen->devType(), QInternal::Image);
    const QImage shown = static_cast<QImage*>(onScreen)->convertToFormat(QImage::Format_RGB32);
    QImage picture(kPicture, QImage::Format_RGB32);
    zoom->client().client().render(&picture);
    form->SetTimerEnabled(GameTimer::Game, gameOn);
    form->SetTimerEnabled(GameTimer::Report, reportOn);

    const Placement placement = zoom->client().placement();
    ASSERT_EQ(placement.factor, factor) << what;
    // Device pixels wholly inside the client area.
    const QRect logical = form->centralWidget()->geometry();
    const QRectF client(QPointF(logical.topLeft()) * ratio(), QSizeF(logical.size()) * ratio());
    const QRect inside(QPoint(std::ceil(client.left()), std::ceil(client.top())),
                       QPoint(std::floor(client.right()) - 1, std::floor(client.bottom()) - 1));
    // Centred, to a device pixel where the client area begins between two.
    const QSizeF spare = (client.size() - QSizeF(kPicture * factor)) / 2;
    const QPointF centred = client.topLeft() + QPointF(spare.width(), spare.height());
    EXPECT_LE((QPointF(placement.origin) - centred).manhattanLength(), 2) << what;

    int amiss = 0;
    QString firstAmiss;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        const QPoint inPicture = QPoint(x, y) - placement.origin;
        const bool onPicture = inPicture.x() >= 0 && inPicture.y() >= 0 && inPicture.x() < kPicture.width() * factor &&
                               inPicture.y() < kPicture.height() * factor;
        const QRgb expected = onPicture ? picture.pixel(inPicture.x() / factor, inPicture.y() / factor) : qRgb(0, 0, 0);
        if (shown.pixel(x, y) == expected) continue;
        if (amiss++ == 0)
          firstAmiss =
              QStringLiteral("(%1, %2) is %3, not %4").arg(x).arg(y).arg(shown.pixel(x, y), 8, 16).arg(expected, 8, 16);
      }
    }
    EXPECT_EQ(amiss, 0) << what << " at factor " << factor << ": first " << firstAmiss.toStdString();
  }

  int FactorAt(int zoomValue) const { return static_cast<int>(std::floor(zoomValue * ratio() + 1e-9)); }

  QTemporaryDir dataDirectory;
  std::unique_ptr<MainForm> form;
  WindowZoom* zoom = nullptr;
};

// Every page and a game, drawn while zoomed, under moving report lines; the
// zoom also changes under the pause box and the name box.
TEST_F(ZoomedWindowTest, EveryZoomShowsTheOneXPictureScaled) {
  Open();
  // Any other box is counted and closed, so that none can hold the test.
  auto unexpectedBoxes = std::make_unique<ModalAnswer>();
  std::vector<std::string> unexpected;
  const auto startGame = [&](int players) {
    unexpected.insert(unexpected.end(), unexpectedBoxes->seen().begin(), unexpectedBoxes->seen().end());
    unexpectedBoxes.reset();
    testing::StartGameFromTheDialog(*form, players);
    QApplication::setActiveWindow(form.get());
    unexpectedBoxes = std::make_unique<ModalAnswer>();
  };
  GameModel& model = ArrangedModel(*form);
  const auto trigger = [this](const char* item) { return [this, item] { Item(item).trigger(); }; };
  const auto someBeats = [&] {
    const int from = model.Players[1].BodyX[1];
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.Players[1].BodyX[1] >= from + 3; }, 5000));
  };
  struct Step {
    const char* what;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"the title page", [] { QTest::qWait(60); }},
      {"the keys page", trigger("KeysItem")},
      {"the bricks page", trigger("BrickTypesItem")},
      {"the high score page", trigger("HighScoresItem")},
      {"the about page", trigger("AboutItem")},
      {"a game of four in play",
       [&] {
         startGame(4);
         someBeats();
       }},
      {"the pause box", [this] { QTest::keyClick(form.get(), Qt::Key_P); }},
      {"a help page over the paused game", trigger("KeysItem")},
      {"the title after Stop", trigger("StopItem")},
  };
  ASSERT_GE(LargestWindowedZoom(), 2);
  for (int zoomValue = 2; zoomValue <= std::min(3, LargestWindowedZoom()); ++zoomValue) {
    zoom->SetZoom(zoomValue);
    ASSERT_EQ(zoom->zoom(), zoomValue);
    for (const Step& step : steps) {
      step.act();
      QTest::qWait(30);
      ExpectTheScaledPicture(step.what, FactorAt(zoomValue));
    }
  }

  // The zoom changed under the pause box and under the name box: the
  // picture follows, the box stays.
  startGame(1);
  QTest::keyClick(form.get(), Qt::Key_P);
  zoom->SetZoom(2);
  ExpectTheScaledPicture("the pause box after a change of zoom", FactorAt(2));
  unexpected.insert(unexpected.end(), unexpectedBoxes->seen().begin(), unexpectedBoxes->seen().end());
  EXPECT_TRUE(unexpected.empty()) << unexpected.size() << " boxes, the first " << unexpected.front();
  unexpectedBoxes.reset();
  MainForm& host = *form;
  {
    const ModalAnswer zoomUnderTheBox([this](QWidget&) { zoom->SetZoom(1); });
    host.InputBox("High scores", "Player1 reenter your name (max 15 characters)", "");
    EXPECT_EQ(zoomUnderTheBox.dialogsSeen(), 1);
  }
  ExpectTheScaledPicture("the name box gone after a change of zoom", FactorAt(1));

  // At 1x on a display of scale 1 the window is the 1x picture itself.
  if (ratio() == 1.0) {
    EXPECT_FALSE(zoom->client().zoomed());
    EXPECT_EQ(form->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32),
              zoom->client().client().grab().toImage().convertToFormat(QImage::Format_RGB32));
  }
}

TEST_F(ZoomedWindowTest, TheWindowGrowsWithTheZoomAndOnlyTheZoomKeysChangeIt) {
  Open();
  const int largest = LargestWindowedZoom();
  const int menuBar = form->menuBar()->height();
  // Near the screen's bottom right corner, the growing window keeps its
  // centre only as far as it stays on the screen.
  const QRect screen = form->screen()->availableGeometry();
  form->move(screen.right() - 600, screen.bottom() - 400);
  for (int zoomValue = 2; zoomValue <= largest + 1; ++zoomValue) {
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    const int expected = std::min(zoomValue, largest);
    EXPECT_EQ(zoom->zoom(), expected);
    EXPECT_EQ(form->centralWidget()->size(), kPicture * expected);
    EXPECT_EQ(form->size(), QSize(kPicture.width() * expected, kPicture.height() * expected + menuBar));
    EXPECT_TRUE(form->screen()->availableGeometry().contains(form->frameGeometry())) << expected;
  }
  EXPECT_FALSE(Item("ZoomInItem").isEnabled());

  QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(zoom->zoom(), largest - 1);
  // No key of a player's and no key the game knows touches the zoom, nor do
  // the zoom keys without Ctrl.
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  for (const Key& key :
       {Key{Qt::Key_Left, {}}, Key{Qt::Key_Up, {}}, Key{Qt::Key_A, {}}, Key{Qt::Key_W, {}}, Key{Qt::Key_J, {}},
        Key{Qt::Key_I, {}}, Key{Qt::Key_8, Qt::KeypadModifier}, Key{Qt::Key_4, Qt::KeypadModifier},
        Key{Qt::Key_Plus, {}}, Key{Qt::Key_Minus, {}}, Key{Qt::Key_0, {}}, Key{Qt::Key_Plus, Qt::KeypadModifier},
        Key{Qt::Key_Minus, Qt::KeypadModifier}, Key{Qt::Key_Escape, {}}}) {
    QTest::keyClick(form.get(), key.key, key.modifiers);
    EXPECT_EQ(zoom->zoom(), largest - 1) << key.key;
  }
  QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(zoom->zoom(), 1);
  EXPECT_EQ(form->size(), QSize(kPicture.width(), kPicture.height() + menuBar));
  EXPECT_EQ(ArrangedModel(*form).ScreenState, TitleScreen);
}

TEST_F(ZoomedWindowTest, AStoredZoomIsClampedToWhatFitsAndKept) {
  struct Case {
    const char* stored;
    int zoom;  // 0 for the largest that fits
  };
  for (const Case& test : {Case{"0", 1}, Case{"-3", 1}, Case{"2", 2}, Case{"1000", 0}, Case{"two", 1}}) {
    Open("[View]\nZoom=" + QByteArray(test.stored) + "\n");
    const int expected = test.zoom ? test.zoom : LargestWindowedZoom();
    EXPECT_EQ(zoom->zoom(), expected) << test.stored;
    EXPECT_EQ(form->centralWidget()->size(), kPicture * expected) << test.stored;
    form->close();
    CoilrunIni kept(dataDirectory.filePath(QLatin1String(kCoilrunIniName)).toStdString());
    ASSERT_FALSE(kept.Load());
    EXPECT_EQ(kept.Integer(QStringLiteral("View/Zoom"), -1, -100, 10000), expected) << test.stored;
    form.reset();
  }
}

// Full screen takes the largest zoom that fits the whole screen, centred on
// black; the game goes on through it and each key counts once.
TEST_F(ZoomedWindowTest, FullScreenCentresTheLargestZoomAndLeavesTheWindowAsItWas) {
  Open();
  zoom->SetZoom(2);
  form->move(40, 30);
  QCoreApplication::processEvents();
  const QRect windowed = form->geometry();
  testing::StartGameFromTheDialog(*form, 1);
  // No window manager hands the focus back after the dialog.
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(form->TimerEnabled(GameTimer::Game));
  GameModel& model = ArrangedModel(*form);

  QTest::keyClick(form.get(), Qt::Key_F11);
  EXPECT_TRUE(zoom->fullScreen());
  EXPECT_TRUE(form->windowState().testFlag(Qt::WindowFullScreen));
  const QRect screen = form->screen()->geometry();
  EXPECT_EQ(form->geometry(), screen);
  EXPECT_FALSE(form->menuBar()->isVisible());
  const QSize screenPixels = (QSizeF(screen.size()) * ratio()).toSize();
  const int factor = std::min(screenPixels.width() / kPicture.width(), screenPixels.height() / kPicture.height());
  ExpectTheScaledPicture("full screen", factor);
  // The game goes on, and F11 reached only the window.
  EXPECT_TRUE(form->TimerEnabled(GameTimer::Game));
  EXPECT_FALSE(model.Settings.Paused);
  const int from = model.Players[1].BodyX[1];
  EXPECT_TRUE(QTest::qWaitFor([&] { return model.Players[1].BodyX[1] > from; }, 5000));
  QTest::keyClick(form.get(), Qt::Key_P);
  EXPECT_TRUE(model.Settings.Paused);

  // Alt shows the menu bar over the picture, which stays where it was.
  const Placement before = zoom->client().placement();
  QTest::keyPress(form.get(), Qt::Key_Alt);
  EXPECT_TRUE(form->menuBar()->isVisible());
  EXPECT_EQ(zoom->client().placement(), before);
  QTest::keyRelease(form.get(), Qt::Key_Alt);

  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(zoom->fullScreen());
  EXPECT_FALSE(form->windowState().testFlag(Qt::WindowFullScreen));
  EXPECT_TRUE(form->menuBar()->isVisible());
  EXPECT_EQ(form->geometry(), windowed);
  EXPECT_EQ(zoom->zoom(), 2);
  ExpectTheScaledPicture("back from full screen", FactorAt(2));
  EXPECT_TRUE(model.Settings.Paused);

  // Full screen under a message box: the box is answered, and the picture
  // follows.
  {
    MainForm& host = *form;
    const ModalAnswer fullScreenUnderTheBox([this](QWidget&) { zoom->SetFullScreen(true); });
    host.ShowMessage("Player1 died.");
    EXPECT_EQ(fullScreenUnderTheBox.dialogsSeen(), 1);
  }
  EXPECT_EQ(form->geometry(), screen);
  ExpectTheScaledPicture("full screen from under a message box", factor);

  // Kept for the next start.
  const ModalAnswer anyScoreBox;
  form->close();
  form.reset();
  Open();
  EXPECT_TRUE(zoom->fullScreen());
  EXPECT_EQ(form->geometry(), screen);
  // Started in full screen, the window has no place of its own to go back
  // to: it comes out centred.
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_EQ(form->size(), QSize(kPicture.width() * 2, kPicture.height() * 2 + form->menuBar()->height()));
  EXPECT_LE((form->frameGeometry().center() - form->screen()->availableGeometry().center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace coilrun
