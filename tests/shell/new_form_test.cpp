#include "shell/new_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

  // The dialog as start-up creates it, from the settings as they are now,
  // and shown, which builds its controls.
  NewForm& Create() {
    form = std::make_unique<NewForm>(game, [this](const QString& preset) {
      presets.push_back(preset);
      return chooserAnswer;
    });
    form->show();
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
  std::unique_ptr<NewForm> form;
  std::optional<QString> chooserAnswer;
  std::vector<QString> presets;
};

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
  EXPECT_TRUE(Selected("External1"));
  EXPECT_EQ(OpenCaption(), QStringLiteral("a-rather-long-level-file-name.lvl"));
  EXPECT_TRUE(Enabled("StartButton"));

  const NewGameChoice choice = form->Choice();
  EXPECT_EQ(choice.PlayerCount, 3);
  EXPECT_TRUE(choice.Competition);
  EXPECT_EQ(choice.WinsTarget, 7);
  EXPECT_FALSE(choice.BuiltIn);
  EXPECT_EQ(choice.LevelFile, file);
}

// Also at creation, where the player count is set last.
TEST_F(NewFormTest, OnePlayerMakesAnyGameNormalAndMorePlayersOfferACompetitionAgain) {
  model.Settings.Competition = true;
  model.Settings.PlayerCount = 1;
  Create();
  EXPECT_TRUE(Selected("OnePlayer1"));
  EXPECT_TRUE(Selected("Normal1"));
  EXPECT_FALSE(Enabled("Competition1"));
  EXPECT_FALSE(Enabled("WinsEdit1"));

  Control<QRadioButton>("FourPlayers1").click();
  EXPECT_TRUE(Enabled("Competition1"));
  EXPECT_TRUE(Selected("Normal1"));
  Control<QRadioButton>("Competition1").click();
  Control<QRadioButton>("TwoPlayers1").click();
  EXPECT_TRUE(Selected("Competition1"));
  Control<QRadioButton>("OnePlayer1").click();
  EXPECT_TRUE(Selected("Normal1"));
  EXPECT_FALSE(Enabled("Competition1"));
}

TEST_F(NewFormTest, ALevelFileThatIsGoneLeavesStartDisabledUntilASourceIsThere) {
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = (directory / "gone.lvl").string();
  Create();
  EXPECT_TRUE(Selected("External1"));
  EXPECT_TRUE(Enabled("OpenButton"));
  EXPECT_EQ(OpenCaption(), QStringLiteral("Open"));
  EXPECT_FALSE(Enabled("StartButton"));

  Control<QRadioButton>("BuiltIn1").click();
  EXPECT_TRUE(Enabled("StartButton"));
  EXPECT_FALSE(Enabled("OpenButton"));
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
  EXPECT_EQ(form->Choice().LevelFile, chooserAnswer->toStdString());

  // A name is shown as it stands, not as an access key.
  chooserAnswer = QString::fromStdString(directory.Write("R&B-fifteen.lvl", {}));
  Control<QPushButton>("OpenButton").click();
  EXPECT_EQ(OpenCaption(), QStringLiteral("R&&B-fifteen.lvl"));
  EXPECT_TRUE(Enabled("StartButton"));

  // Cancelled: the file stays chosen, but it has gone meanwhile.
  std::filesystem::remove(chooserAnswer->toStdString());
  const QString chosen = *std::exchange(chooserAnswer, std::nullopt);
  Control<QPushButton>("OpenButton").click();
  EXPECT_EQ(form->Choice().LevelFile, chosen.toStdString());
  EXPECT_EQ(OpenCaption(), QStringLiteral("R&&B-fifteen.lvl"));
  EXPECT_FALSE(Enabled("StartButton"));
}

TEST_F(NewFormTest, CancelClosesTheDialogAndChangesNothing) {
  Create();
  Control<QRadioButton>("TwoPlayers1").click();
  const GameSettings before = model.Settings;
  Control<QPushButton>("CancelButton").click();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(model.Settings, before);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(host.gameTimerOn);
}

// A game on a file without levels ends at once, but it has started.
TEST_F(NewFormTest, StartClosesTheDialogOnceTheGameHasStarted) {
  model.Settings.BuiltInLevels = false;
  model.Settings.LevelFileName = directory.Write("cut.lvl", {0xFF, 20, 10});  // no end marker
  Create();
  Control<QPushButton>("StartButton").click();
  EXPECT_EQ(host.failures, Texts{"Read beyond end of file"});
  EXPECT_TRUE(form->isVisible());

  chooserAnswer = QString::fromStdString(directory.Write("empty.lvl", {}));
  Control<QPushButton>("OpenButton").click();
  Control<QPushButton>("StartButton").click();
  EXPECT_EQ(host.failures, Texts{"Read beyond end of file"});
  EXPECT_EQ(host.messages, Texts{"You have finished all levels."});
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(model.ScreenState, TitleScreen);
}

// The seats come after every specified control, in the dialog and in the
// tab order; only those of the chosen players can be set.
TEST_F(NewFormTest, TheChosenPlayersSeatsReachTheGameAfterTheSpecifiedControls) {
  model.Settings.PlayerCount = 2;
  Create();
  form->SetSeats([] {
    Seats seats;
    seats.seat[3] = {SeatKind::Computer, Skill::Casual};
    return seats;
  }());
  const auto kind = [this](int player) -> QComboBox& {
    return Control<QComboBox>(("SeatKind" + std::to_string(player)).c_str());
  };
  const auto skill = [this](int player) -> QComboBox& {
    return Control<QComboBox>(("SeatSkill" + std::to_string(player)).c_str());
  };
  EXPECT_EQ(Control<QLabel>("SeatLabel2").text(), QStringLiteral("Player &2"));
  EXPECT_EQ(kind(2).itemText(1), QStringLiteral("Computer"));
  EXPECT_EQ(skill(2).itemText(4), QStringLiteral("Master"));
  EXPECT_TRUE(kind(2).isEnabled());
  EXPECT_FALSE(skill(2).isEnabled());  // a person's seat
  EXPECT_FALSE(kind(3).isEnabled());   // not in a game of two
  EXPECT_EQ(kind(3).currentText(), QStringLiteral("Computer"));

  kind(2).setCurrentIndex(1);
  EXPECT_TRUE(skill(2).isEnabled());
  skill(2).setCurrentIndex(3);
  Control<QRadioButton>("ThreePlayers1").click();
  EXPECT_TRUE(skill(3).isEnabled());
  const Seats chosen = form->Choice().Seats;
  EXPECT_EQ(chosen.seat[2], (Seat{SeatKind::Computer, Skill::Expert}));
  EXPECT_EQ(chosen.seat[3], (Seat{SeatKind::Computer, Skill::Casual}));

  Control<QPushButton>("StartButton").click();
  EXPECT_EQ(parts.computers.seats(), chosen);
  EXPECT_TRUE(parts.computers.seats().IsComputer(2));

  // The focus chain, from Start on, visits these in this order.
  const char* const tabOrder[] = {"StartButton",  "CancelButton", "OnePlayer1", "TwoPlayers1", "ThreePlayers1",
                                  "FourPlayers1", "BuiltIn1",     "External1",  "OpenButton",  "Normal1",
                                  "Competition1", "WinsEdit1",    "SeatKind1",  "SeatSkill1",  "SeatKind2"};
  std::vector<std::string> visited;
  QWidget* widget = &Control("StartButton");
  do {
    const std::string name = widget->objectName().toStdString();
    if (std::find(std::begin(tabOrder), std::end(tabOrder), name) != std::end(tabOrder)) visited.push_back(name);
    widget = widget->nextInFocusChain();
  } while (widget != &Control("StartButton") && visited.size() < std::size(tabOrder));
  EXPECT_EQ(visited, std::vector<std::string>(std::begin(tabOrder), std::end(tabOrder)));
}

}  // namespace
}  // namespace coilrun::testing
