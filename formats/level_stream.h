// The byte formats of levels: the level stream (opcode, operands, end
// marker), the same stream shifted by 70 in the built-in block, and the grid
// format of one byte per cell. Pure: bytes in, records out, nothing written
// outside the grid.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "formats/level_cells.h"

namespace coilrun {

constexpr std::size_t kGridLevelBytes = kGridColumns * kGridRows;  // 1,581
// The built-in block is copied into a working buffer of this many bytes.
constexpr std::size_t kBuiltInLevelCapacity = 54001;
constexpr std::uint8_t kStreamShift = 0;
constexpr std::uint8_t kBuiltInShift = 70;
constexpr int kEndOfLevel = -50;

// A grid file holds whole levels only, so its size tells it apart from a
// stream file; an empty file counts as a grid file with no levels.
constexpr bool IsGridFileSize(std::uintmax_t size) { return size % kGridLevelBytes == 0; }

// Byte k of a grid level is the cell at column k div 31, row k mod 31.
constexpr int GridColumnOf(std::size_t k) { return static_cast<int>(k / kGridRows); }
constexpr int GridRowOf(std::size_t k) { return static_cast<int>(k % kGridRows); }

// The value a byte of a record stands for, its shift taken away.
constexpr int Unshifted(std::uint8_t byte, std::uint8_t shift) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(byte - shift));
}

// The brick kind an opcode writes, or nullopt for a byte that is skipped.
std::optional<BrickKind> KindOfOpcode(int value);
// The number of Extra bytes a kind's record carries after its cell.
int ExtraCountOf(BrickKind kind);

// Bytes one at a time; nullopt once none are left (or a read failed).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::optional<std::uint8_t> Next() = 0;
};

class SpanByteSource : public ByteSource {
 public:
  explicit SpanByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::optional<std::uint8_t> Next() override {
    if (position_ >= bytes_.size()) return std::nullopt;
    return bytes_[position_++];
  }
  std::size_t position() const { return position_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

struct LevelRecord {
  BrickKind Kind = NormalBrick;
  int X = 0;
  int Y = 0;
  std::array<std::uint8_t, 8> Extra{};
  // Of the opcode byte, counted from the first byte of the level.
  std::size_t Offset = 0;
};

class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void Place(const LevelRecord& record) = 0;
  // The record's cell lies outside the grid; its operands have been read,
  // and the record must not be written.
  virtual void Outside(const LevelRecord& /*record*/) {}
};

enum class LevelEnd { EndMarker, OutOfBytes };

struct LevelReadResult {
  LevelEnd End = LevelEnd::EndMarker;
  std::size_t BytesRead = 0;
};

// Where a decode must start for built-in level n (1..82) chosen by skipping:
// the index of the (n - 1)-th end marker, 0 for level 1, so that the first
// byte of the block is passed over. Stops at the end of the block.
std::size_t BuiltInLevelStartIn(std::span<const std::uint8_t> block, int level);

// Reads one level record: every brick goes to the sink in file order, up to
// and including the first end marker in opcode position.
LevelReadResult ReadLevelRecord(ByteSource& source, std::uint8_t shift, RecordSink& sink);

}  // namespace coilrun
