// Names in the game's files: a length byte, then a fixed number of Latin-1
// character bytes of which only the first "length" count.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace coilrun {

constexpr int kMaxNameLength = 15;
constexpr int kMaxFileNameLength = 255;

// Writes at most `capacity` characters; the bytes after them are left as they are.
inline void PutShortString(std::span<std::uint8_t> bytes, std::size_t at, std::string_view text, std::size_t capacity) {
  const std::size_t length = std::min(text.size(), capacity);
  bytes[at] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// A length byte beyond the capacity counts as the capacity.
inline std::string GetShortString(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t capacity) {
  const std::size_t length = std::min<std::size_t>(bytes[at], capacity);
  const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(at + 1);
  return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

}  // namespace coilrun
