// How a loader fills the cells of LevelGrid from a decoded level.
#pragma once

#include <cstdint>
#include <span>

#include "engine/model.h"
#include "formats/level_stream.h"

namespace coilrun {

// Writes each record into LevelGrid; a record that names a cell outside the
// grid is dropped.
class LevelGridWriter : public RecordSink {
 public:
  explicit LevelGridWriter(GameModel& model) : model_(model) {}
  void Place(const LevelRecord& record) override;

 private:
  GameModel& model_;
};

// Stores one grid level: every byte becomes its cell's Occupied value.
void WriteGridLevel(GameModel& model, std::span<const std::uint8_t, kGridLevelBytes> bytes);

}  // namespace coilrun
