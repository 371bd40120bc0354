#include "shell/new_form.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "tests/support/game_fixture.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

class NewFormTest : public GameFixture {
 protected:
  NewFormTest() {
    model.ScreenState = TitleScreen;
    game.CopyBuiltInLevels();
  }

  // The dialog as start-up creates it, from the settings as they are now.
  TNewForm& Create() {
    form = std::make_unique<TNewForm>(game, [this](const QString& preset) {
      presets.push_back(preset);
      return chooserAnswer;
    });
    return *form;
  }

  template <typename Widget = QWidget>
  Widget& Control(const char* name) {
    auto* control = form->findChild<Widget*>(QLatin1String(name));
    if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *control;
  }
  bool Selected(const char* name) { return Control<QRadioButton>(name).isChecked(); }
  bool Enabled(const char* name) { return Control(name).isEnabled(); }
  QString OpenCaption() { return Control<QPushButton>("OpenButton").text(); }

  TempDirectory directory{"coilrun-new-form"};
  std::unique_ptr<TNewForm> form;
  std::optional<QString> chooserAnswer;
  std::vector<QString> presets;
};

TEST_F(NewFormTest, ShowsTheControlsWithTheirCaptionsInTheirGroups) {
  Create();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("New game"));
  const struct {
    const char* control;
    const char* group;
    const char* caption;
  } kControls[] = {
      {"Normal1", "GroupBox3", "&Normal"},
      {"Competition1", "GroupBox3", "&Competition"},
      {"BuiltIn1", "GroupBox2", "&Built in exe"},
      {"External1", "GroupBox2", "&External "},
      {"OnePlayer1", "GroupBox1", "&One player"},
      {"TwoPlayers1", "GroupBox1", "&Two players"},
      {"ThreePlayers1", "GroupBox1", "T&hree players"},
      {"FourPlayers1", "GroupBox1", "&Four players"},
      {"OpenButton", "GroupBox2", "Open"},
  };
  for (const auto& [control, group, caption] : kControls) {
    EXPECT_EQ(Control<QAbstractButton>(control).text(), QLatin1String(caption)) << control;
    EXPECT_EQ(Control(control).parent(), &Control(group)) << control;
  }
  EXPECT_EQ(Control<QGroupBox>("GroupBox3").title(), QStringLiteral(" Type "));
  EXPECT_EQ(Control<QGroupBox>("GroupBox2").title(), QStringLiteral(" Levels "));
  EXPECT_EQ(Control<QGroupBox>("GroupBox1").title(), QStringLiteral(" Players "));
  EXPECT_EQ(Control<QLabel>("Label2").text(), QStringLiteral("Win"));
  EXPECT_EQ(Control<QLabel>("Label1").text(), QStringLiteral("games"));
  EXPECT_EQ(Control<QSpinBox>("WinsEdit1").maximum(), 50);
  EXPECT_EQ(Control<QPushButton>("StartButton").text(), QStringLiteral("&Start"));
  EXPECT_EQ(Control<QPushButton>("Button2").text(), QStringLiteral("C&ancel"));

  // Tab goes from the buttons to the players, the levels and the type.
  const char* kTabOrder[] = {"StartButton", "Button2",   "OnePlayer1", "TwoPlayers1", "ThreePlayers1", "FourPlayers1",
                             "BuiltIn1",    "External1", "OpenButton", "Normal1",     "Competition1",  "WinsEdit1"};
  for (std::size_t i = 1; i < std::size(kTabOrder); ++i) {
    QWidget* next = Control(kTabOrder[i - 1]).nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
    EXPECT_EQ(next->objectName(), QLatin1String(kTabOrder[i])) << kTabOrder[i - 1];
  }

  form->show();
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(NewFormTest, TheDefaultSettingsOfferANormalGameOfOnePlayerOnTheBuiltInLevels) {
  Create();
  EXPECT_TRUE(Selected("Normal1"));
  EXPECT_FALSE(Enabled("Competition1"));
  EXPECT_FALSE(Enabled("WinsEdit1"));
  EXPECT_FALSE(Enabled("Label2"));
  EXPECT_EQ(Control<QSpinBox>("WinsEdit1").value(), 5);
  EXPECT_TRUE(Selected("BuiltIn1"));
  EXPECT_FALSE(Enabled("OpenButton"));
  EXPECT_TRUE(Selected("OnePlayer1"));
  EXPECT_TRUE(Enabled("StartButton"));
}

TEST_F(NewFormTest, TakesTheLastGamesChoicesFromTheSettingsAndShowsTheFileNameWhole) {
  const std::string file = directory.Write("a-rather-long-level-file-name.lvl", {});
  model.Settings.Competition = true;
  model.Settings.PlayerCount = 3;
  model.Settings.WinsTarget = 7;
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = file;
  Create();
  EXPECT_TRUE(Selected("Competition1"));
  EXPECT_TRUE(Enabled("WinsEdit1"));
  EXPECT_TRUE(Selected("ThreePlayers1"));
  EXPECT_TRUE(Selected("External1"));
  EXPECT_TRUE(Enabled("OpenButton"));
  EXPECT_EQ(OpenCaption(), QStringLiteral("a-rather-long-level-file-name.lvl"));
  EXPECT_TRUE(Enabled("StartButton"));

  const NewGameChoice choice = form->Choice();
  EXPECT_EQ(choice.PlayerCount, 3);
  EXPECT_TRUE(choice.Competition);
  EXPECT_EQ(choice.WinsTarget, 7);
  EXPECT_FALSE(choice.BuiltIn);
  EXPECT_EQ(choice.LevelFile, file);
}

// The player count is set last, and one player makes any game normal.
TEST_F(NewFormTest, ACompetitionOfOnePlayerOpensAsANormalGame) {
  model.Settings.Competition = true;
  model.Settings.PlayerCount = 1;
  Create();
  EXPECT_TRUE(Selected("OnePlayer1"));
  EXPECT_TRUE(Selected("Normal1"));
  EXPECT_FALSE(Enabled("Competition1"));
  EXPECT_FALSE(Enabled("WinsEdit1"));
  EXPECT_FALSE(form->Choice().Competition);
}

TEST_F(NewFormTest, ALevelFileThatIsGoneLeavesStartDisabledUntilASourceIsThere) {
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = (directory / "gone.lvl").string();
  Create();
  EXPECT_TRUE(form->chosenLevelFile().isEmpty());
  EXPECT_TRUE(Selected("External1"));
  EXPECT_TRUE(Enabled("OpenButton"));
  EXPECT_EQ(OpenCaption(), QStringLiteral("Open"));
  EXPECT_FALSE(Enabled("StartButton"));

  Control<QRadioButton>("BuiltIn1").click();
  EXPECT_TRUE(Enabled("StartButton"));
  EXPECT_FALSE(Enabled("OpenButton"));
  Control<QRadioButton>("External1").click();
  EXPECT_FALSE(Enabled("StartButton"));
  EXPECT_TRUE(Enabled("OpenButton"));
}

TEST_F(NewFormTest, OnePlayerMakesTheGameNormalAndMorePlayersOfferACompetitionAgain) {
  model.Settings.Competition = true;
  model.Settings.PlayerCount = 2;
  Create();
  Control<QRadioButton>("OnePlayer1").click();
  EXPECT_TRUE(Selected("Normal1"));
  EXPECT_FALSE(Enabled("Competition1"));
  EXPECT_FALSE(Enabled("WinsEdit1"));

  Control<QRadioButton>("FourPlayers1").click();
  EXPECT_TRUE(Enabled("Competition1"));
  EXPECT_TRUE(Selected("Normal1"));
  Control<QRadioButton>("Competition1").click();
  EXPECT_TRUE(Enabled("WinsEdit1"));
  Control<QRadioButton>("TwoPlayers1").click();
  EXPECT_TRUE(Selected("Competition1"));
  EXPECT_EQ(form->Choice().PlayerCount, 2);
}

TEST_F(NewFormTest, AChosenFileShowsItsNameCutAfterFifteenCharacters) {
  const std::string lastFile = directory.Write("last.lvl", {});
  model.Settings.LevelFileName = lastFile;
  Create();
  Control<QRadioButton>("External1").click();

  chooserAnswer = QString::fromStdString(directory.Write("twenty-characters.lv", {}));
  Control<QPushButton>("OpenButton").click();
  EXPECT_EQ(presets, std::vector<QString>{QString::fromStdString(lastFile)});
  EXPECT_EQ(OpenCaption(), QStringLiteral("twenty-charact..."));
  EXPECT_EQ(form->chosenLevelFile(), *chooserAnswer);
  EXPECT_EQ(form->Choice().LevelFile, chooserAnswer->toStdString());

  chooserAnswer = QString::fromStdString(directory.Write("fifteen-chs.lvl", {}));
  Control<QPushButton>("OpenButton").click();
  EXPECT_EQ(OpenCaption(), QStringLiteral("fifteen-chs.lvl"));

  // A name is shown as it stands, not as an access key.
  chooserAnswer = QString::fromStdString(directory.Write("R&B.lvl", {}));
  Control<QPushButton>("OpenButton").click();
  EXPECT_EQ(OpenCaption(), QStringLiteral("R&&B.lvl"));
  EXPECT_TRUE(Enabled("StartButton"));
}

TEST_F(NewFormTest, CancellingTheChooserKeepsTheFileButLooksForItAgain) {
  const std::string file = directory.Write("levels.lvl", {});
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = file;
  Create();
  ASSERT_TRUE(Enabled("StartButton"));
  std::filesystem::remove(file);
  Control<QPushButton>("OpenButton").click();  // cancelled
  EXPECT_EQ(form->chosenLevelFile(), QString::fromStdString(file));
  EXPECT_EQ(OpenCaption(), QStringLiteral("levels.lvl"));
  EXPECT_FALSE(Enabled("StartButton"));
}

TEST_F(NewFormTest, CancelClosesTheDialogAndChangesNothing) {
  Create().show();
  Control<QRadioButton>("TwoPlayers1").click();
  const GameSettings before = model.Settings;
  Control<QPushButton>("Button2").click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Rejected);
  EXPECT_EQ(model.Settings, before);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(host.gameTimerOn);
}

TEST_F(NewFormTest, StartBeginsTheChosenGameAndClosesTheDialog) {
  Create().show();
  Control<QRadioButton>("ThreePlayers1").click();
  Control<QPushButton>("StartButton").click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_EQ(model.Settings.PlayerCount, 3);
  EXPECT_TRUE(host.gameTimerOn);
}

TEST_F(NewFormTest, StartWithAFileThatCannotBeReadKeepsTheDialogOpen) {
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = directory.Write("cut.lvl", {0xFF, 20, 10});  // no end marker
  Create().show();
  Control<QPushButton>("StartButton").click();
  EXPECT_EQ(host.messages, Texts{"Read beyond end of file"});
  EXPECT_TRUE(form->isVisible());
}

// The game ends at once, but it has started.
TEST_F(NewFormTest, StartOnALevelFileWithNoLevelsClosesTheDialog) {
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = directory.Write("empty.lvl", {});
  Create().show();
  Control<QPushButton>("StartButton").click();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(model.LevelNumber, 101);
  EXPECT_FALSE(model.Settings.BuiltInLevels);
}

}  // namespace
}  // namespace coilrun::testing
