// The levels of one level file as the editor holds them, read from and
// written to the two file formats. Each level is kept as its own stream
// record (a few hundred bytes where a decoded level takes 19 KB), so that a
// file of ten thousand levels stays small; only the level on the field is
// decoded. Plain C++ over formats/.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "formats/file_error.h"
#include "formats/level_design.h"

namespace coilrun {

enum class LevelFileFormat { Stream, Grid };

// The editor opens files up to this size; a larger one is no level file
// anybody drew, and reading it whole would take the memory of the machine.
constexpr std::uintmax_t kMaxEditedFileBytes = 64u << 20;

class LevelBook {
 public:
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }

  LevelDesign Level(std::size_t index) const;
  void SetLevel(std::size_t index, const LevelDesign& level);
  void Insert(std::size_t index, const LevelDesign& level);
  void Remove(std::size_t index);
  // The level at `from` ends up at `to`; the others keep their order.
  void Move(std::size_t from, std::size_t to);

  // A level's stream record, to be kept and put back unchanged.
  const std::vector<std::uint8_t>& Record(std::size_t index) const { return records_.at(index); }
  void SetRecord(std::size_t index, std::vector<std::uint8_t> record) { records_.at(index) = std::move(record); }

  // How many bricks of each kind a level holds, without decoding it.
  struct Census {
    int bricks = 0;
    int special = 0;  // every kind but the normal brick
  };
  Census CensusOf(std::size_t index) const;

  // The file's bytes. A grid file keeps only normal bricks: the other kinds
  // become empty cells (the caller has said so first).
  std::vector<std::uint8_t> Encode(LevelFileFormat format) const;

 private:
  std::vector<std::vector<std::uint8_t>> records_;
};

// One level's stream record, as the book keeps it.
std::vector<std::uint8_t> StreamRecordOf(const LevelDesign& level);

// A level as a grid file can hold it: every brick that is not a normal one
// taken away.
LevelDesign NormalBricksOnly(const LevelDesign& level);

struct LevelFileRead {
  LevelBook levels;
  LevelFileFormat format = LevelFileFormat::Stream;
  // The file could not be read at all; nothing else is set.
  FileResult failure;
  // What the game's loaders would stumble over, one sentence each; the
  // levels hold what could be read.
  std::vector<std::string> problems;
};

// Told apart by their size as the game does: a whole multiple of 1,581
// bytes (none included) is a grid file.
LevelFileRead ReadLevelBytes(std::span<const std::uint8_t> bytes);
LevelFileRead ReadLevelFile(const std::filesystem::path& file);

// Built-in level 1..82 of the block, or nullopt when it has none.
std::optional<LevelDesign> BuiltInLevelOf(std::span<const std::uint8_t> block, int number);

}  // namespace coilrun
