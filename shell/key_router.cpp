#include "shell/key_router.h"

#include "engine/keys.h"
#include "shell/physical_keys.h"

namespace coilrun {

std::optional<KeyDown> KeyRouter::KeyPressed(const QKeyEvent& event) {
  const std::optional<int> physical = PhysicalKeyOf(event);
  if (physical) {
    if (event.isAutoRepeat() && forgotten_.contains(*physical)) return std::nullopt;
    if (!event.isAutoRepeat()) {
      forgotten_.erase(*physical);
      held_.insert(*physical);
    }
    if (const std::optional<int> slot = bindings_.SlotOf(*physical)) {
      if (*slot == kPauseSlot && event.isAutoRepeat()) return std::nullopt;
      return KeyDown{GameKeyOfSlot(*slot), ShiftStateOf(event.modifiers())};
    }
  }
  const std::optional<KeyDown> own = TranslateKeyEvent(event);
  if (own && (own->key == VkPause || own->key == VkF12)) return own;
  return std::nullopt;
}

void KeyRouter::KeyReleased(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;
  if (const std::optional<int> physical = PhysicalKeyOf(event)) {
    held_.erase(*physical);
    forgotten_.erase(*physical);
  }
}

void KeyRouter::ForgetHeldKeys() {
  forgotten_.insert(held_.begin(), held_.end());
  held_.clear();
}

}  // namespace coilrun
