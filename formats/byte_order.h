// Little-endian numbers in byte buffers, as every file of the game stores
// them. Callers check the bounds; these only read and write within them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace coilrun {

// The `size` bytes (1 to 4) at `at`, lowest first.
constexpr std::uint32_t GetLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int size = 4) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

constexpr void PutLittleEndian(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace coilrun
