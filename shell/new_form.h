// The new game dialog: the game type, the level source and the number of
// players, and Start, which begins a game with them.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "engine/model.h"
#include "game/new_game_choice.h"
#include "game/seats.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace coilrun {

class Game;
class SeatsGroup;

// Asks for an existing level file, starting at `preset`; nullopt when the
// player cancels.
using LevelFileChooser = std::function<std::optional<QString>(const QString& preset)>;

class NewForm : public QDialog {
  Q_OBJECT

 public:
  // Takes its first choices from the game's settings, which must be loaded.
  // Its controls are built, showing them, when first shown or asked for.
  NewForm(Game& game, LevelFileChooser chooseLevelFile, QWidget* parent = nullptr);

  // What the controls hold now: a new game, or a skip to a built-in level,
  // is set up from it.
  NewGameChoice Choice();
  // The seats as the last run left them.
  void SetSeats(const Seats& seats);
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
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
  void CancelButtonClick();

  // winLabel_, winsEdit_ and gamesLabel_: the wins count of a competition.
  void EnableWins(bool enabled);
  // Shows a file name as it stands, with no access key taken from it.
  void ShowFileNameOnOpenButton(const QString& fileName);

  Game& game_;
  LevelFileChooser chooseLevelFile_;
  QString chosenLevelFile_;
  // The settings and seats as they were at creation, for the controls.
  GameSettings firstSettings_;
  std::optional<Seats> firstSeats_;

  QGroupBox* typeGroup_ = nullptr;
  QRadioButton* normalRadio_ = nullptr;
  QRadioButton* competitionRadio_ = nullptr;
  QLabel* winLabel_ = nullptr;
  QSpinBox* winsEdit_ = nullptr;
  QLabel* gamesLabel_ = nullptr;
  QGroupBox* levelsGroup_ = nullptr;
  QRadioButton* builtInRadio_ = nullptr;
  QRadioButton* externalRadio_ = nullptr;
  QPushButton* openButton_ = nullptr;
  QGroupBox* playersGroup_ = nullptr;
  QRadioButton* onePlayerRadio_ = nullptr;
  QRadioButton* twoPlayersRadio_ = nullptr;
  QRadioButton* threePlayersRadio_ = nullptr;
  QRadioButton* fourPlayersRadio_ = nullptr;
  QPushButton* startButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  // onePlayerRadio_ .. fourPlayersRadio_, for player counts 1..4.
  std::array<QRadioButton*, kMaxPlayers> playerButtons_{};
  SeatsGroup* seatsGroup_ = nullptr;
};

}  // namespace coilrun
