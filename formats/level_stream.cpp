#include "formats/level_stream.h"

namespace coilrun {

std::optional<BrickKind> KindOfOpcode(int value) {
  switch (value) {
    case -NormalBrick: return NormalBrick;
    case -DoorBrick: return DoorBrick;
    case -InOutBrick: return InOutBrick;
    case -ReboundBrick: return ReboundBrick;
    case -CharacterBrick: return CharacterBrick;
    case -ScoreBrick: return ScoreBrick;
    case -LifeBrick: return LifeBrick;
    default: return std::nullopt;
  }
}

int ExtraCountOf(BrickKind kind) {
  switch (kind) {
    case DoorBrick: return 8;
    case InOutBrick: return 2;
    case CharacterBrick: return 1;
    default: return 0;
  }
}

std::size_t BuiltInLevelStartIn(std::span<const std::uint8_t> block, int level) {
  constexpr std::uint8_t kEndMarkerByte = kBuiltInShift + kEndOfLevel;
  std::size_t position = 0;
  int endMarkers = 0;
  while (endMarkers < level - 1 && position + 1 < block.size()) {
    ++position;
    if (block[position] == kEndMarkerByte) ++endMarkers;
  }
  return position;
}

LevelReadResult ReadLevelRecord(ByteSource& source, std::uint8_t shift, RecordSink& sink) {
  LevelReadResult result;
  const auto next = [&]() -> std::optional<std::uint8_t> {
    const auto byte = source.Next();
    if (byte) ++result.BytesRead;
    return byte;
  };
  for (;;) {
    const std::size_t offset = result.BytesRead;
    const auto opcode = next();
    if (!opcode) break;
    const int value = Unshifted(*opcode, shift);
    if (value == kEndOfLevel) return result;
    const auto kind = KindOfOpcode(value);
    if (!kind) continue;

    LevelRecord record;
    record.Kind = *kind;
    record.Offset = offset;
    const auto x = next();
    const auto y = x ? next() : std::nullopt;
    if (!y) break;
    record.X = Unshifted(*x, shift);
    record.Y = Unshifted(*y, shift);
    bool complete = true;
    for (int i = 0; i < ExtraCountOf(*kind) && complete; ++i) {
      const auto extra = next();
      complete = extra.has_value();
      if (extra) record.Extra[i] = static_cast<std::uint8_t>(*extra - shift);
    }
    if (!complete) break;
    if (InGrid(record.X, record.Y)) {
      sink.Place(record);
    } else {
      sink.Outside(record);
    }
  }
  result.End = LevelEnd::OutOfBytes;
  return result;
}

}  // namespace coilrun
