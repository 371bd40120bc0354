#include "shell/keys_help_texts.h"

#include <algorithm>
#include <array>

#include "shell/physical_keys.h"

namespace coilrun {

namespace {

// The lines go Left, Up, Down, Right; the slots Left, Up, Right, Down.
constexpr std::array<int, kDirectionsPerPlayer> kLineOrder = {0, 1, 3, 2};
constexpr std::array<int, kDirectionsPerPlayer> kCursorKeys = {113, 111, 114, 116};

}  // namespace

KeysPageTexts KeysHelpTexts(const KeyBindings& bindings, const KeyLabels& labels) {
  KeysPageTexts texts;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    std::array<int, kDirectionsPerPlayer> keys{};
    for (int direction = 0; direction < kDirectionsPerPlayer; ++direction)
      keys[direction] = bindings.keys[SteeringSlot(player, direction)];
    PlayerKeysTexts& playerTexts = texts.players[player - 1];
    playerTexts.heading = QStringLiteral("Player %1").arg(player);
    if (keys == kCursorKeys) {
      playerTexts.lines = {QStringLiteral("Cursors")};
      continue;
    }
    const bool keypad = std::all_of(keys.begin(), keys.end(), IsKeypadDigitKey);
    if (keypad) playerTexts.heading += QStringLiteral(" - NumLock");
    for (const int direction : kLineOrder) {
      QString label = labels.Label(keys[direction]);
      if (keypad && label.startsWith(QStringLiteral("Num "))) label.remove(0, 4);
      playerTexts.lines << label + QStringLiteral(" - ") + DirectionNameOfSlot(SteeringSlot(player, direction));
    }
  }
  if (bindings.keys[kPauseSlot] != KeyBindings::Defaults().keys[kPauseSlot])
    texts.pauseLine = labels.Label(bindings.keys[kPauseSlot]) + QStringLiteral(" - Pause");
  return texts;
}

}  // namespace coilrun
