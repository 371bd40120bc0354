// Which drawing operation a cell's Content calls for. The beat (redrawing a
// brick the tail uncovers) and the full redraw of the field share this one
// table, so the two can never disagree about a kind.
#pragma once

#include <cstdint>

#include "engine/game_view.h"

namespace coilrun {

// Content 0 and negative values that name no kind draw nothing.
void DrawCellByKind(BoardView& view, int x, int y, std::int32_t content);

}  // namespace coilrun
