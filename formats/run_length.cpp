#include "formats/run_length.h"

#include <algorithm>

namespace coilrun {

namespace {

constexpr std::size_t kShortestRun = 3;
constexpr std::size_t kLongestRun = 130;
constexpr std::size_t kLongestCopy = 128;
constexpr int kRunBase = 125;  // a run of n bytes is told as n + 125

std::size_t RunAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::size_t run = 1;
  while (at + run < bytes.size() && run < kLongestRun && bytes[at + run] == bytes[at]) ++run;
  return run;
}

}  // namespace

std::vector<std::uint8_t> PackRuns(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> packed;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t run = RunAt(bytes, at);
    if (run >= kShortestRun) {
      packed.push_back(static_cast<std::uint8_t>(run + kRunBase));
      packed.push_back(bytes[at]);
      at += run;
      continue;
    }
    // Copy up to the next run worth telling as one.
    std::size_t end = at + run;
    while (end < bytes.size() && end - at < kLongestCopy && RunAt(bytes, end) < kShortestRun) ++end;
    end = std::min(end, at + kLongestCopy);
    packed.push_back(static_cast<std::uint8_t>(end - at - 1));
    packed.insert(packed.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                  bytes.begin() + static_cast<std::ptrdiff_t>(end));
    at = end;
  }
  return packed;
}

std::optional<std::vector<std::uint8_t>> UnpackRuns(std::span<const std::uint8_t> packed, std::size_t size) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(size);
  std::size_t at = 0;
  while (at < packed.size()) {
    const std::uint8_t head = packed[at++];
    if (head >= kLongestCopy) {
      const std::size_t run = head - kRunBase;
      if (at >= packed.size() || bytes.size() + run > size) return std::nullopt;
      bytes.insert(bytes.end(), run, packed[at++]);
    } else {
      const std::size_t copy = std::size_t{head} + 1;
      if (packed.size() - at < copy || bytes.size() + copy > size) return std::nullopt;
      bytes.insert(bytes.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                   packed.begin() + static_cast<std::ptrdiff_t>(at + copy));
      at += copy;
    }
  }
  if (bytes.size() != size) return std::nullopt;
  return bytes;
}

}  // namespace coilrun
