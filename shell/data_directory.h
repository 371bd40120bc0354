// Where the game keeps settings.dat and its other files.
#pragma once

#include <QString>

namespace coilrun {

// The chosen directory when one is given; otherwise the program's own
// directory, or the per-user data directory when the program's directory
// cannot be written (an installed copy). The directory is created when
// missing. Empty when no usable directory exists.
QString ResolveDataDirectory(const QString& chosenDirectory, const QString& programDirectory);

}  // namespace coilrun
