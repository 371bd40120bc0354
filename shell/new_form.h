// The new game dialog: the game type, the level source and the number of
// players, and Start, which begins a game with them.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "engine/host.h"
#include "engine/model.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace coilrun {

class Game;

// Asks for an existing level file, starting at `preset`; nullopt when the
// player cancels.
using LevelFileChooser = std::function<std::optional<QString>(const QString& preset)>;

class TNewForm : public QDialog {
  Q_OBJECT

 public:
  // Takes its first choices from the game's settings, which must be loaded.
  TNewForm(Game& game, LevelFileChooser chooseLevelFile, QWidget* parent = nullptr);

  // What the controls hold now: a new game, or a skip to a built-in level,
  // is set up from it.
  NewGameChoice Choice() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LayOut();
  void ConnectHandlers();
  void FormCreate(const GameSettings& settings);

  void Normal1Click();
  void Competition1Click();
  void OnePlayer1Click();
  // Two, three or four players.
  void MorePlayersClick();
  void BuiltIn1Click();
  void External1Click();
  void OpenButtonClick();
  void StartButtonClick();
  void Button2Click();

  // Label2, WinsEdit1 and Label1: the wins count of a competition.
  void EnableWins(bool enabled);
  // Shows a file name as it stands, with no access key taken from it.
  void ShowFileNameOnOpenButton(const QString& fileName);

  Game& game_;
  LevelFileChooser chooseLevelFile_;
  QString ChosenLevelFile;

  QGroupBox* GroupBox3 = nullptr;
  QRadioButton* Normal1 = nullptr;
  QRadioButton* Competition1 = nullptr;
  QLabel* Label2 = nullptr;
  QSpinBox* WinsEdit1 = nullptr;
  QLabel* Label1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* BuiltIn1 = nullptr;
  QRadioButton* External1 = nullptr;
  QPushButton* OpenButton = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* OnePlayer1 = nullptr;
  QRadioButton* TwoPlayers1 = nullptr;
  QRadioButton* ThreePlayers1 = nullptr;
  QRadioButton* FourPlayers1 = nullptr;
  QPushButton* StartButton = nullptr;
  QPushButton* Button2 = nullptr;
  // OnePlayer1 .. FourPlayers1, for player counts 1..4.
  std::array<QRadioButton*, kMaxPlayers> playerButtons_{};
};

}  // namespace coilrun
