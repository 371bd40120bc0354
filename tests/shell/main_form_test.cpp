#include "shell/main_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "formats/audio_archive.h"
#include "shell/command_line.h"
#include "shell/high_score_file.h"
#include "shell/new_form.h"
#include "shell/seat_options.h"
#include "shell/settings_file.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/modal_answer.h"
#include "tests/shell/start_game.h"
#include "tests/support/fake_host.h"

namespace coilrun {
namespace {

using testing::ArrangedModel;

using testing::ModalAnswer;

class MainFormTest : public ::testing::Test {
 protected:
  QWidget& Child(const char* name) {
    auto* child = form.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return *child;
  }

  // Player 1 alone on the board, heading right from (9, 1).
  void PlacePlayerOne() {
    GameModel& model = ArrangedModel(form);
    model.ScreenState = BoardScreen;
    model.Settings.Paused = false;
    PlayerState& snake = model.Players[1];
    snake.Lives = 5;
    snake.Length = kStartLength;
    snake.Direction = Direction::Right;
    snake.BodyX.fill(8);
    snake.BodyY.fill(1);
    snake.BodyX[1] = 9;
  }

  QTemporaryDir dataDirectory;
  MainForm form{dataDirectory.path(), QString()};
};

TEST_F(MainFormTest, HasTheFixedLayoutWithTheExactClientArea) {
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("coilrun"));
  EXPECT_EQ(form.centralWidget()->geometry().size(), QSize(512, 356));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

  EXPECT_EQ(Child("BackShape").geometry(), QRect(4, 4, 504, 304));
  EXPECT_EQ(Child("PaintBox").geometry(), QRect(6, 6, 500, 300));
  EXPECT_EQ(Child("ReportShape").geometry(), QRect(4, 312, 504, 40));
  EXPECT_EQ(Child("ReportCanvas").geometry(), QRect(5, 313, 502, 38));
}

TEST_F(MainFormTest, ShowsTheSurfacesInsideTheirBlackOutlinedShapes) {
  form.show();
  const QImage client = form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(client.pixelColor(4, 4), Qt::black);
  EXPECT_EQ(client.pixelColor(507, 307), Qt::black);
  EXPECT_EQ(client.pixelColor(5, 5), QColor(0x00, 0xFF, 0x00));  // BackColor between outline and field
  EXPECT_EQ(client.pixelColor(4, 312), Qt::black);
  EXPECT_EQ(client.pixelColor(507, 351), Qt::black);
  EXPECT_EQ(client.pixelColor(5, 313), QColor(0xFF, 0x00, 0x00));  // ReportColor

  // Every repaint copies what was drawn, so nothing is lost when the window
  // is covered and uncovered.
  EXPECT_EQ(client.copy(6, 6, 500, 300), form.surfaces().field());
  EXPECT_EQ(Child("PaintBox").grab().toImage().convertToFormat(QImage::Format_RGB32), form.surfaces().field());
  EXPECT_EQ(Child("ReportCanvas").grab().toImage().convertToFormat(QImage::Format_RGB32), form.surfaces().report());
}

TEST_F(MainFormTest, TimersArePreciseAndTheGameTimerDrivesTheBeat) {
  auto* gameTimer = form.findChild<BeatTimer*>(QStringLiteral("Timer"));
  auto* reportTimer = form.findChild<QTimer*>(QStringLiteral("ReportTimer"));
  ASSERT_NE(gameTimer, nullptr);
  ASSERT_NE(reportTimer, nullptr);
  EXPECT_EQ(reportTimer->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(gameTimer->interval(), 70);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Report));

  MainForm& host = form;
  host.SetTimerEnabled(GameTimer::Game, false);
  EXPECT_FALSE(gameTimer->isActive());
  host.SetTimerInterval(GameTimer::Game, GameTimerInterval(10));
  EXPECT_EQ(gameTimer->interval(), 17);
  PlacePlayerOne();
  host.SetTimerEnabled(GameTimer::Game, true);
  EXPECT_TRUE(host.TimerEnabled(GameTimer::Game));
  EXPECT_TRUE(QTest::qWaitFor([&] { return ArrangedModel(form).Players[1].BodyX[1] >= 11; }, 5000));

  host.SetTimerInterval(GameTimer::Report, 30);
  EXPECT_EQ(reportTimer->interval(), 30);
}

TEST_F(MainFormTest, KeyPressesReachTheGameAsVirtualKeys) {
  PlacePlayerOne();
  ArrangedModel(form).Settings.PlayerCount = 4;
  PlayerState& fourth = ArrangedModel(form).Players[4];
  fourth.Lives = 5;
  fourth.Length = kStartLength;
  fourth.Direction = Direction::Right;
  fourth.BodyX.fill(8);
  fourth.BodyY.fill(29);
  fourth.BodyX[1] = 9;

  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &up);
  EXPECT_EQ(ArrangedModel(form).Players[1].Direction, Direction::Up);
  EXPECT_EQ(fourth.Direction, Direction::Right);

  QKeyEvent keypadUp(QEvent::KeyPress, Qt::Key_8, Qt::KeypadModifier);
  QCoreApplication::sendEvent(&form, &keypadUp);
  EXPECT_EQ(fourth.Direction, Direction::Up);
}

TEST_F(MainFormTest, OnlyCtrlAloneWithF12AsksForALevel) {
  const ModalAnswer cancelEvery;
  QTest::keyClick(&form, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&form, Qt::Key_F12);
  EXPECT_EQ(cancelEvery.dialogsSeen(), 0);
  QTest::keyClick(&form, Qt::Key_F12, Qt::ControlModifier);
  EXPECT_EQ(cancelEvery.dialogsSeen(), 1);
}

TEST_F(MainFormTest, F2OffersTheNewGameDialogOnlyWhenNoGameIsOn) {
  ASSERT_EQ(ArrangedModel(form).ScreenState, TitleScreen);
  {
    // The shortcut is F2 alone.
    const ModalAnswer noDialogExpected;
    for (const Qt::KeyboardModifier shiftKey : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
      QTest::keyClick(&form, Qt::Key_F2, shiftKey);
    EXPECT_EQ(noDialogExpected.dialogsSeen(), 0);
  }
  {
    const ModalAnswer startTwoPlayers([](QWidget& dialog) {
      EXPECT_EQ(dialog.objectName(), QStringLiteral("NewForm"));
      if (auto* two = dialog.findChild<QAbstractButton*>(QStringLiteral("TwoPlayers1"))) two->click();
      if (auto* start = dialog.findChild<QAbstractButton*>(QStringLiteral("StartButton"))) start->click();
    });
    QTest::keyClick(&form, Qt::Key_F2);
    EXPECT_EQ(startTwoPlayers.dialogsSeen(), 1);
  }
  EXPECT_EQ(ArrangedModel(form).ScreenState, BoardScreen);
  EXPECT_EQ(ArrangedModel(form).LevelNumber, 1);
  EXPECT_EQ(ArrangedModel(form).Settings.PlayerCount, 2);
  EXPECT_TRUE(form.TimerEnabled(GameTimer::Game));
  // Skipping to a level reads the same controls.
  EXPECT_EQ(form.findChild<NewForm*>(QStringLiteral("NewForm"))->Choice().PlayerCount, 2);

  // During a game, paused or not, F2 offers nothing.
  const ModalAnswer noDialogExpected;
  QTest::keyClick(&form, Qt::Key_F2);
  ArrangedModel(form).ScreenState = TitleScreen;  // a help screen over a paused game
  ArrangedModel(form).Settings.Paused = true;
  QTest::keyClick(&form, Qt::Key_F2);
  EXPECT_EQ(noDialogExpected.dialogsSeen(), 0);
}

TEST_F(MainFormTest, ClosingTheWindowSavesTheSettings) {
  ArrangedModel(form).Settings.Speed = 9;
  ArrangedModel(form).Players[2].Name = "Kim";
  form.close();
  const SettingsLoad reloaded = LoadSettings((dataDirectory.path() + "/settings.dat").toStdString());
  ASSERT_FALSE(reloaded.failure);
  EXPECT_EQ(reloaded.stored.Settings.Speed, 9);
  EXPECT_EQ(reloaded.stored.PlayerNames[1], "Kim");
}

TEST_F(MainFormTest, StartUpWritesTheDefaultTableAndClosingOffersEveryLivingPlayerInOrder) {
  const std::filesystem::path table = (dataDirectory.path() + "/hscores.dat").toStdString();
  testing::FakeHost host;
  FileHighScores stored(table, host);
  ASSERT_EQ(std::filesystem::file_size(table), 200u);
  EXPECT_EQ(stored.ReadHighScores(), DefaultHighScores());
  EXPECT_TRUE(host.failures.empty());

  GameModel& model = ArrangedModel(form);
  model.ScreenState = PauseScreen;
  model.Settings.ReEnterName = false;
  model.Settings.PlayerCount = 3;
  for (int player = 1; player <= 3; ++player) {
    model.Players[player].Lives = player == 2 ? 0 : 1;
    model.Players[player].Score = 8500;
    model.Players[player].Name = std::string(1, static_cast<char>('A' + player - 1));
  }
  form.close();
  const HighScoreTable after = stored.ReadHighScores();
  EXPECT_EQ(after[1], (HighScoreEntry{"A", 8500}));
  EXPECT_EQ(after[2], (HighScoreEntry{"C", 8500}));
  EXPECT_EQ(after[3], (HighScoreEntry{"Player1", 8000}));
}

TEST_F(MainFormTest, TheInputBoxTakesAtMost255Characters) {
  const ModalAnswer type300([](QWidget& box) {
    auto* edit = box.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QString(300, QLatin1Char('k')));
    QTest::keyClick(edit, Qt::Key_Return);
  });
  MainForm& host = form;
  EXPECT_EQ(host.InputBox("High scores", "Player1 reenter your name (max 15 characters)", ""), std::string(255, 'k'));
  EXPECT_EQ(type300.dialogsSeen(), 1);
}

// A label shows text as it stands unless it takes it for markup.
bool ShownAsPlainText(const QLabel& label) {
  return label.textFormat() == Qt::PlainText ||
         (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()));
}

// Player names and typed text go into the boxes: they show as typed, never
// as markup.
TEST_F(MainFormTest, MessageAndInputBoxesShowNamesAsTyped) {
  const QString name = QStringLiteral("<b>Kim</b>");
  QString shown;
  bool plain = false;
  const auto readLabel = [&](const char* labelName) {
    return [&, labelName](QWidget& box) {
      const auto* label = labelName ? box.findChild<QLabel*>(QLatin1String(labelName)) : box.findChild<QLabel*>();
      ASSERT_NE(label, nullptr);
      shown = label->text();
      plain = ShownAsPlainText(*label);
    };
  };

  MainForm& host = form;
  {
    const ModalAnswer readMessage(readLabel("qt_msgbox_label"));
    host.ShowMessage(name.toStdString() + " died.");
    EXPECT_EQ(readMessage.dialogsSeen(), 1);
  }
  EXPECT_EQ(shown, name + QStringLiteral(" died."));
  EXPECT_TRUE(plain);

  {
    const ModalAnswer readPrompt(readLabel(nullptr));
    EXPECT_FALSE(host.InputBox("High scores", name.toStdString() + " reenter your name", ""));
    EXPECT_EQ(readPrompt.dialogsSeen(), 1);
  }
  EXPECT_EQ(shown, name + QStringLiteral(" reenter your name"));
  EXPECT_TRUE(plain);
}

TEST(MainFormStartTest, ALevelFileOnTheCommandLineStartsAPausedGame) {
  QTemporaryDir dataDirectory;
  const QString levelFile = dataDirectory.filePath("one.lvl");
  QFile file(levelFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromHex("ff140ace"));  // a brick at (20, 10), then the end
  file.close();

  MainForm form(dataDirectory.path(), levelFile);
  EXPECT_EQ(ArrangedModel(form).ScreenState, PauseScreen);
  EXPECT_EQ(ArrangedModel(form).LevelNumber, 101);
  EXPECT_EQ(ArrangedModel(form).LevelGrid.at(20, 10).Occupied, 1);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
}

// Every step of start-up runs, whichever fails: the player reads the
// failure and gets a window that works without what the step would have made.
TEST(MainFormStartTest, AFailingStepIsReportedAndTheRestOfStartUpRuns) {
  QTemporaryDir dataDirectory;
  ASSERT_TRUE(QDir(dataDirectory.path()).mkdir(QStringLiteral("settings.dat")));  // unreadable as a record
  const QString missingLevelFile = dataDirectory.filePath(QStringLiteral("gone.lvl"));

  QString settingsMessage;
  auto readFirstMessage =
      std::make_unique<ModalAnswer>([&](QWidget& box) { settingsMessage = static_cast<QMessageBox&>(box).text(); });
  MainForm form(dataDirectory.path(), missingLevelFile);
  EXPECT_EQ(readFirstMessage->dialogsSeen(), 2);  // the settings, then the level file
  EXPECT_FALSE(settingsMessage.isEmpty());
  readFirstMessage.reset();

  EXPECT_EQ(ArrangedModel(form).ScreenState, TitleScreen);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
  EXPECT_EQ(form.findChild<QTimer*>(QStringLiteral("ReportTimer"))->interval(),
            ArrangedModel(form).Settings.ReportInterval);
  EXPECT_EQ(form.centralWidget()->size(), QSize(512, 356));
  // The defaults stand in for the damaged settings, and a new game starts.
  EXPECT_EQ(ArrangedModel(form).Settings.Speed, GameSettings{}.Speed);
  testing::StartGameFromTheDialog(form);
  EXPECT_EQ(ArrangedModel(form).ScreenState, BoardScreen);
}

// Closing saves the settings and removes the sound files in every state, and
// ends a game on the board, whether in play, paused, or paused under a help
// screen.
TEST(MainFormCloseTest, SavesTheSettingsAndStopsTheGameInEveryState) {
  struct Case {
    const char* name;
    std::uint8_t screen;
    bool paused;
  };
  for (const Case& state : {Case{"in play", BoardScreen, false}, Case{"paused", PauseScreen, true},
                            Case{"paused under help", KeysScreen, true}, Case{"title", TitleScreen, false}}) {
    QTemporaryDir dataDirectory;
    MainForm form(dataDirectory.path(), QString());
    form.show();
    if (state.screen != TitleScreen) {
      testing::StartGameFromTheDialog(form);
      ASSERT_TRUE(form.TimerEnabled(GameTimer::Game)) << state.name;
      if (state.paused) QTest::keyClick(&form, Qt::Key_P);
      ArrangedModel(form).ScreenState = state.screen;
    }
    ArrangedModel(form).Settings.Speed = 4;
    ASSERT_TRUE(QFile::exists(dataDirectory.filePath(kAudioEntryNames[0]))) << state.name;
    form.close();
    EXPECT_FALSE(form.TimerEnabled(GameTimer::Game)) << state.name;
    const SettingsLoad saved = LoadSettings((dataDirectory.path() + "/settings.dat").toStdString());
    ASSERT_FALSE(saved.failure) << state.name;
    EXPECT_EQ(saved.stored.Settings.Speed, 4) << state.name;
    for (const char* name : kAudioEntryNames)
      EXPECT_FALSE(QFile::exists(dataDirectory.filePath(name))) << state.name << " " << name;
  }
}

// A run of people alone leaves no coilrun.ini; the seats of the new game
// dialog are kept there, and Ctrl+F12 plays with them too.
TEST(MainFormSeatsTest, TheDialogsSeatsAreKeptInCoilrunIniAndCtrlF12PlaysWithThem) {
  QTemporaryDir dataDirectory;
  const QString ini = dataDirectory.filePath(QLatin1String(kCoilrunIniName));
  MainForm(dataDirectory.path(), QString()).close();
  EXPECT_FALSE(QFile::exists(ini));

  QFile written(ini);
  ASSERT_TRUE(written.open(QIODevice::WriteOnly));
  written.write("[Seats]\nPlayer1=Computer\nSkill1=99\n");
  written.close();
  {
    MainForm form(dataDirectory.path(), QString());
    form.show();
    // Shown and hidden again, as a player would open and cancel it.
    auto& dialog = *form.findChild<NewForm*>(QStringLiteral("NewForm"));
    dialog.show();
    dialog.hide();
    auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("SeatKind1"));
    auto* skill = dialog.findChild<QComboBox*>(QStringLiteral("SeatSkill1"));
    ASSERT_TRUE(kind != nullptr && skill != nullptr);
    EXPECT_EQ(kind->currentText(), QStringLiteral("Computer"));
    EXPECT_EQ(skill->currentText(), QStringLiteral("Master"));

    const ModalAnswer levelFive([](QWidget& box) {
      if (auto* input = qobject_cast<QInputDialog*>(&box)) {
        input->setTextValue(QStringLiteral("5"));
        input->accept();
      }
    });
    QTest::keyClick(&form, Qt::Key_F12, Qt::ControlModifier);
    ASSERT_EQ(form.model().LevelNumber, 5);
    QTest::keyClick(&form, Qt::Key_Down);  // player 1's key, but the computer plays that seat
    EXPECT_EQ(form.model().Players[1].Direction, Direction::Right);

    skill->setCurrentIndex(1);
    form.close();
  }
  CoilrunIni kept(ini.toStdString());
  ASSERT_FALSE(kept.Load());
  Seats expected;
  expected.seat[1] = {SeatKind::Computer, Skill::Casual};
  EXPECT_EQ(SeatOptions(kept).Read(), expected);
}

TEST(CommandLineTest, AsksForHelpOrTheVersionBeforeAnythingElse) {
  using Request = CommandLine::Request;
  EXPECT_EQ(ParseCommandLine({"coilrun", "a.lvl"}).request, Request::Play);
  EXPECT_EQ(ParseCommandLine({"coilrun", "--version", "a.lvl"}).request, Request::Version);
  EXPECT_EQ(ParseCommandLine({"coilrun", "--help", "--version"}).request, Request::Help);
  EXPECT_EQ(ParseCommandLine({"coilrun", "--version", "--help"}).request, Request::Help);
  // The directory's name is never taken for an option.
  EXPECT_EQ(ParseCommandLine({"coilrun", "--data-dir", "--help"}).request, Request::Play);
  EXPECT_TRUE(UsageText().startsWith(QStringLiteral("Usage: coilrun")));
  EXPECT_TRUE(VersionText().startsWith(QStringLiteral("coilrun ")));
}

TEST(MainFormSoundTest, PlaysTheMusicWhenItIsOnAndRemovesTheSoundFilesAtExit) {
  QTemporaryDir dataDirectory;
  StoredSettings stored;
  stored.Settings.Music = true;
  ASSERT_FALSE(SaveSettings(stored, (dataDirectory.path() + "/settings.dat").toStdString()));

  MainForm form(dataDirectory.path(), QString());
  EXPECT_FALSE(ArrangedModel(form).Settings.NoSoundFiles);
  EXPECT_TRUE(form.players().Sounding(SoundPlayer::Music));
  for (const char* name : kAudioEntryNames) EXPECT_TRUE(QFile::exists(dataDirectory.filePath(name))) << name;
  form.close();
  EXPECT_FALSE(form.players().deviceOpen());
  for (const char* name : kAudioEntryNames) EXPECT_FALSE(QFile::exists(dataDirectory.filePath(name))) << name;
}

TEST(CommandLineTest, TakesTheFirstPlainArgumentAsTheLevelFile) {
  const CommandLine plain = ParseCommandLine({"coilrun"});
  EXPECT_TRUE(plain.levelFile.isEmpty());
  EXPECT_TRUE(plain.dataDirectory.isEmpty());
  const CommandLine both = ParseCommandLine({"coilrun", "--data-dir", "/tmp/d", "a.lvl", "b.lvl"});
  EXPECT_EQ(both.dataDirectory, QStringLiteral("/tmp/d"));
  EXPECT_EQ(both.levelFile, QStringLiteral("a.lvl"));
}

}  // namespace
}  // namespace coilrun
