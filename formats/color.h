// Colours as the game's files hold them: red in the lowest byte, then green,
// then blue, 0 on top.
#pragma once

#include <cstdint>

namespace coilrun {

using Color = std::uint32_t;

constexpr Color RgbColor(int red, int green, int blue) {
  return static_cast<Color>(red & 0xFF) | static_cast<Color>(green & 0xFF) << 8 | static_cast<Color>(blue & 0xFF) << 16;
}
constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

}  // namespace coilrun
