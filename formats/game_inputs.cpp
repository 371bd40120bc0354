#include "formats/game_inputs.h"

namespace coilrun {

namespace {

constexpr std::uint32_t kLastScreen = 9;
constexpr std::uint32_t kLargestKey = 0xFF;
constexpr std::uint32_t kLargestColor = 0xFFFFFF;
constexpr std::uint32_t kFastestSpeed = 10;
constexpr std::uint32_t kAllPlayers = 0x0F;
constexpr std::uint8_t kLastPlayer = 4;

}  // namespace

bool InputInRange(const GameInput& input) {
  const std::uint32_t value = input.value;
  const bool noSubject = input.subject == 0;
  switch (input.kind) {
    case InputKind::Key: return noSubject && value <= kLargestKey;
    case InputKind::Pause:
    case InputKind::Stop: return noSubject && value == 0;
    case InputKind::HelpScreen: return noSubject && value <= kLastScreen;
    case InputKind::Wrap:
    case InputKind::Long:
    case InputKind::MixBricksColors: return noSubject && value <= 1;
    case InputKind::PlayerColor: return input.subject >= 1 && input.subject <= kLastPlayer && value <= kLargestColor;
    case InputKind::BrickColor: return noSubject && value <= kLargestColor;
    case InputKind::Speed: return noSubject && value >= 1 && value <= kFastestSpeed;
    case InputKind::Retire:
    case InputKind::TakeOver: return noSubject && value >= 1 && value <= kAllPlayers;
  }
  return false;
}

}  // namespace coilrun
