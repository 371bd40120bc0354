// Where the game keeps settings.dat and its other files.
#pragma once

#include <QString>
#include <QStringList>

namespace coilrun {

// The directory named by "--data-dir DIR" when given; otherwise the
// program's own directory, or the per-user data directory when the program's
// directory cannot be written (an installed copy). The directory is created
// when missing. Empty when no usable directory exists.
QString ResolveDataDirectory(const QStringList& arguments, const QString& programDirectory);

}  // namespace coilrun
