// File failures as the player sees them: the runtime's short texts.
#pragma once

#include <stdexcept>
#include <string>

namespace coilrun {

class InOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

// The text for a failed open, read, write or close, from its errno value.
std::string IoErrorText(int errnoValue);

}  // namespace coilrun
