// The system's font configuration (fontconfig) is read when the window first
// measures text: its configuration files and font caches, some three
// milliseconds of the start-up. Read ahead on another thread, it is ready by
// then, and Qt's own reading finds it done.
#pragma once

namespace coilrun {

// Safe from any thread, at any time; does nothing where Qt's fonts do not
// come from fontconfig.
void ReadFontConfiguration();

}  // namespace coilrun
