// Feeds arbitrary bytes to the level tool's text reader, and checks that the
// first level decoded from them reads back from its text unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "game/level_stream.h"
#include "tools/level_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    coilrun::ParseLevelText(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const coilrun::LevelFormatError&) {
  }

  coilrun::LevelDesign design;
  coilrun::LevelDesignWriter writer(design);
  coilrun::SpanByteSource source(std::span<const std::uint8_t>(data, size));
  coilrun::ReadLevelRecord(source, coilrun::kStreamShift, writer);
  if (coilrun::ParseLevelText(coilrun::FormatLevelText(design)).at(0).Cells != design.Cells) std::abort();
  return 0;
}
