// The text form of levels that our level sources use: "title ...", 31 rows
// of 51 cells, then one line for each character, door and in-out brick.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/file_error.h"
#include "formats/level_design.h"

namespace coilrun {

// A text may hold several levels; each is handed on as soon as it is
// complete, so that no more than one is held however long the text is. The
// failure names the line and what is wrong with it; the levels before it
// have been handed on.
FileResult ParseLevelText(std::string_view text, const std::function<void(const LevelDesign&)>& onLevel);
FileResult ParseLevelText(std::string_view text, std::vector<LevelDesign>& levels);
std::string FormatLevelText(const LevelDesign& level);

}  // namespace coilrun
