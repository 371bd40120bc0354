// Run-length packing for snapshots of the game's state, which are mostly
// long runs of equal bytes (empty cells, unused body entries).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace coilrun {

// Each part starts with a byte n: n < 128 copies the next n + 1 bytes;
// n >= 128 repeats the next byte n - 125 times (3 to 130).
std::vector<std::uint8_t> PackRuns(std::span<const std::uint8_t> bytes);
// Nothing when the packed bytes are damaged or do not unpack to exactly
// `size` bytes.
std::optional<std::vector<std::uint8_t>> UnpackRuns(std::span<const std::uint8_t> packed, std::size_t size);

}  // namespace coilrun
