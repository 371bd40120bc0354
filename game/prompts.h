// The modal boxes the game asks the player with. Each returns when the
// player has closed it; the game's timer is stopped before any of them opens.
#pragma once

#include <optional>
#include <string>

#include "formats/file_error.h"

namespace coilrun {

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A one-line input box; nullopt when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& initialText) = 0;
  // A file that failed the action in progress; the action is abandoned.
  virtual void ShowFailure(const FileError& failure) = 0;
};

}  // namespace coilrun
