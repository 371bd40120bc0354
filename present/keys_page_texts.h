// The texts of the keys page of the help: each player's heading and the
// lines under it, for the keys actually bound. The window knows the keys and
// what the keyboard layout prints on them; the page only places the texts.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "engine/model.h"

namespace coilrun {

struct PlayerKeysTexts {
  QString heading;
  QStringList lines;

  friend bool operator==(const PlayerKeysTexts&, const PlayerKeysTexts&) = default;
};

struct KeysPageTexts {
  // Players 1..4.
  std::array<PlayerKeysTexts, kMaxPlayers> players;
  // Below the players, when the pause key is not P; empty otherwise.
  QString pauseLine;

  friend bool operator==(const KeysPageTexts&, const KeysPageTexts&) = default;
};

// The page for the game's own keys on a US keyboard.
KeysPageTexts DefaultKeysPageTexts();

class KeysPageSource {
 public:
  virtual ~KeysPageSource() = default;
  virtual KeysPageTexts CurrentKeysPageTexts() const = 0;
};

}  // namespace coilrun
