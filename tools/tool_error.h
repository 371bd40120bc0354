// What the level tool reports when it cannot go on: the text names the file
// and says what is wrong with it.
#pragma once

#include <stdexcept>

namespace coilrun {

class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace coilrun
