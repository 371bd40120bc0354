// A level as its author sees it: a title, the brick of every cell, and the
// text form our level sources use. Encodes to the three byte formats.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model.h"
#include "game/level_stream.h"

namespace coilrun {

struct DesignCell {
  int Kind = 0;  // a BrickKind, or 0 for no brick
  std::array<std::uint8_t, 8> Extra{};

  friend bool operator==(const DesignCell&, const DesignCell&) = default;
};

struct LevelDesign {
  std::string Title;
  std::array<std::array<DesignCell, kGridRows>, kGridColumns> Cells{};  // [x][y]

  DesignCell& at(int x, int y) { return Cells[x][y]; }
  const DesignCell& at(int x, int y) const { return Cells[x][y]; }
  friend bool operator==(const LevelDesign&, const LevelDesign&) = default;
};

// A level text, a level or a block that cannot be encoded; the text says why.
class LevelFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text form: "title ...", 31 rows of 51 cells, then one line for each
// character, door and in-out brick. A text may hold several levels; the
// first form hands each one on as soon as it is complete, so that no more
// than one is held however long the text is.
void ParseLevelText(std::string_view text, const std::function<void(const LevelDesign&)>& onLevel);
std::vector<LevelDesign> ParseLevelText(std::string_view text);
std::string FormatLevelText(const LevelDesign& level);

// Puts decoded records into a design, the later record for a cell winning.
class LevelDesignWriter : public RecordSink {
 public:
  explicit LevelDesignWriter(LevelDesign& level) : level_(level) {}
  void Place(const LevelRecord& record) override;

 private:
  LevelDesign& level_;
};

LevelDesign DesignFromGridBytes(std::span<const std::uint8_t, kGridLevelBytes> bytes);

// Builds a stream or grid file one level at a time.
class LevelFileEncoder {
 public:
  enum class Format { Stream, Grid };
  explicit LevelFileEncoder(Format format) : format_(format) {}
  // A grid file refuses a level with bricks other than normal ones.
  void Add(const LevelDesign& level);
  // The file's bytes; a stream file that would have the size of a grid file
  // gets a byte in front that the decoder skips.
  std::vector<std::uint8_t> Finish();
  std::size_t levelCount() const { return levelCount_; }

 private:
  Format format_;
  std::vector<std::uint8_t> bytes_;
  std::size_t levelCount_ = 0;
};
// Refuses a block that the level search or the buffer cannot take: one
// that starts with an opcode, holds a byte 20 that is no end marker, lacks
// an end marker or is larger than the buffer.
void ValidateBuiltInBlock(std::span<const std::uint8_t> block);
std::vector<std::uint8_t> EncodeBuiltInBlock(std::span<const LevelDesign> levels);

}  // namespace coilrun
