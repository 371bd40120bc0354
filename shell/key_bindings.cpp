#include "shell/key_bindings.h"

#include <algorithm>

#include "engine/keys.h"
#include "shell/physical_keys.h"

namespace coilrun {

QLatin1String DirectionNameOfSlot(int slot) {
  static const char* const kDirectionNames[kDirectionsPerPlayer] = {"Left", "Up", "Right", "Down"};
  return QLatin1String(kDirectionNames[slot % kDirectionsPerPlayer]);
}

QString SlotName(int slot) {
  if (slot == kPauseSlot) return QStringLiteral("the pause key");
  return QStringLiteral("Player %1's %2").arg(PlayerOfSlot(slot)).arg(DirectionNameOfSlot(slot));
}

int GameKeyOfSlot(int slot) {
  if (slot == kPauseSlot) return VkP;
  return SteeringKeyFor(PlayerOfSlot(slot), DirectionOfSlot(slot));
}

KeyBindings KeyBindings::Defaults() {
  KeyBindings defaults;
  for (int slot = 0; slot < kKeySlots; ++slot) defaults.keys[slot] = UsPhysicalKeyOf(GameKeyOfSlot(slot)).value_or(0);
  return defaults;
}

std::optional<int> KeyBindings::SlotOf(int physicalKey) const {
  if (physicalKey == 0) return std::nullopt;
  const auto found = std::find(keys.begin(), keys.end(), physicalKey);
  if (found == keys.end()) return std::nullopt;
  return static_cast<int>(found - keys.begin());
}

}  // namespace coilrun
