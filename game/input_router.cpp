#include "game/input_router.h"

#include "engine/keys.h"

namespace coilrun {

namespace {

// Only these keys change anything in a game; the others pass through the
// steering without effect and need no place in a replay.
bool KeyMatters(std::uint32_t key) {
  if (key == VkP || key == VkPause) return true;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    if (SteeredDirection(player, static_cast<int>(key))) return true;
  }
  return false;
}

}  // namespace

bool InputRouter::TakeInput(const GameInput& input) {
  if (driver_ && !applying_ && driver_->TakeLiveInput(input)) return true;
  if (recording_ && (input.kind != InputKind::Key || KeyMatters(input.value))) recorder_.Input(input);
  return false;
}

bool InputRouter::TakeCommand(GameCommand command) {
  if (driver_ && !applying_ && driver_->TakeLiveCommand(command)) return true;
  if (command == GameCommand::ShutDown && recording_) recorder_.CutShort();
  return false;
}

}  // namespace coilrun
