// The new game dialog's seats: for each player, a person or the computer,
// and the computer's skill. Only the seats of the chosen number of players
// can be set; a skill only for a computer.
#pragma once

#include <QGroupBox>
#include <array>
#include <vector>

#include "game/seats.h"

class QComboBox;
class QLabel;

namespace coilrun {

class SeatsGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit SeatsGroup(QWidget* parent = nullptr);

  Seats seats() const;
  void SetSeats(const Seats& seats);
  // Seats 1..count take part in the next game.
  void ShowPlayerCount(int count);
  // The controls in the order Tab visits them.
  std::vector<QWidget*> TabOrder() const;

 private:
  struct Row {
    QLabel* label = nullptr;
    QComboBox* kind = nullptr;
    QComboBox* skill = nullptr;
  };
  void EnableRows();

  // Players 1..4; entry 0 is no player's.
  std::array<Row, kMaxPlayers + 1> rows_{};
  int playerCount_ = kMaxPlayers;
};

}  // namespace coilrun
