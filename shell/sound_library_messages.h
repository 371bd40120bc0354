// The sound libraries under SDL write their own error lines to the terminal
// (libasound: about eight of them when there is no sound device), although
// the game tells the player in a message box of its own. They are kept back
// unless the player asks for them.
#pragma once

namespace coilrun {

// Takes effect for every later opening of the sound device.
void ShowSoundLibraryMessages(bool shown);

}  // namespace coilrun
