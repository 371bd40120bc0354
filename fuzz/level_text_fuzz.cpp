// Feeds arbitrary bytes to the level tool's text reader, and checks that the
// first level decoded from them reads back from its text unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "formats/level_design.h"
#include "formats/level_stream.h"
#include "formats/level_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<coilrun::LevelDesign> parsed;
  coilrun::ParseLevelText(std::string_view(reinterpret_cast<const char*>(data), size), parsed);

  coilrun::LevelDesign design;
  coilrun::LevelDesignWriter writer(design);
  coilrun::SpanByteSource source(std::span<const std::uint8_t>(data, size));
  coilrun::ReadLevelRecord(source, coilrun::kStreamShift, writer);
  std::vector<coilrun::LevelDesign> again;
  if (coilrun::ParseLevelText(coilrun::FormatLevelText(design), again) || again.size() != 1 ||
      again[0].Cells != design.Cells)
    std::abort();
  return 0;
}
