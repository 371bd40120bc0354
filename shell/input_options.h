// The players' input options in coilrun.ini: their keys ("Keys/..."), the
// pad each seat takes and the pause on focus loss ("Input/...").
//
// Keys are read by player: a player whose keys are missing, out of range or
// used twice gets the default keys back, and the player is told once. A
// file without keys means the default keys, silently.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "formats/file_error.h"
#include "shell/coilrun_ini.h"
#include "shell/key_bindings.h"

namespace coilrun {

struct InputOptions {
  KeyBindings keys = KeyBindings::Defaults();
  bool pauseOnFocusLoss = true;
  // The kind of pad (SDL's GUID of the device, 32 hexadecimal digits) each
  // player's seat takes; empty for none.
  std::array<QString, kMaxPlayers> seatPads{};

  friend bool operator==(const InputOptions&, const InputOptions&) = default;
};

struct InputOptionsLoad {
  InputOptions options;
  std::optional<FileError> failure;
};

InputOptionsLoad LoadInputOptions(const CoilrunIni& ini);

// Keys go in whole: all of them once one differs from the defaults or the
// file has any, so that no player's keys are ever half in the file.
void StoreInputOptions(const InputOptions& options, CoilrunIni& ini);

// "Keys/Player2Up", "Keys/Pause".
QString KeyIniName(int slot);

}  // namespace coilrun
