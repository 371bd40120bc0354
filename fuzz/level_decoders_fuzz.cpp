// Feeds arbitrary bytes to the level decoders the way the game reads them:
// as a stream file, as the shifted built-in block and as grid levels. Any
// write outside a buffer is a crash here.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/model.h"
#include "formats/level_stream.h"
#include "game/level_writing.h"

namespace {

// One model for the whole run, as in the game: cells keep what earlier
// levels left in them.
coilrun::GameModel model;

void DecodeAllLevels(std::span<const std::uint8_t> bytes, std::uint8_t shift) {
  coilrun::SpanByteSource source(bytes);
  coilrun::LevelGridWriter writer(model);
  while (source.position() < bytes.size()) coilrun::ReadLevelRecord(source, shift, writer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  model.LevelNumber = static_cast<std::int16_t>(size);
  DecodeAllLevels(bytes, coilrun::kStreamShift);
  DecodeAllLevels(bytes, coilrun::kBuiltInShift);
  for (std::size_t at = 0; at + coilrun::kGridLevelBytes <= size; at += coilrun::kGridLevelBytes) {
    coilrun::WriteGridLevel(
        model, std::span<const std::uint8_t, coilrun::kGridLevelBytes>(data + at, coilrun::kGridLevelBytes));
  }
  return 0;
}
