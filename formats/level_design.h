// A level as its author sees it: a title and the brick of every cell, and
// its encodings into the three byte formats: stream files, grid files and
// the built-in block.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "formats/level_cells.h"
#include "formats/level_stream.h"

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

// How the text form and the messages name each kind (0 for no brick): a
// letter for the field's rows and a word for the detail lines.
struct KindLetter {
  int Kind;
  char Letter;
  const char* Name;
};
std::span<const KindLetter> KindLetters();
// '#', 'C', 'D', ..., or '?' for a value that names no kind.
char LetterOf(int kind);

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
  // A grid file refuses a level with bricks other than normal ones, and the
  // level is not added.
  FileResult Add(const LevelDesign& level);
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
FileResult ValidateBuiltInBlock(std::span<const std::uint8_t> block);
// The block of the given levels, to be validated before it is carried.
std::vector<std::uint8_t> EncodeBuiltInBlock(std::span<const LevelDesign> levels);

}  // namespace coilrun
