// Where the game keeps settings.dat and its other files.
#pragma once

#include <QString>
#include <filesystem>

namespace coilrun {

// The installation's share/coilrun as seen from its bin/: the same relative
// path wherever the prefix lies. It need not exist.
std::filesystem::path InstalledDataDirectory(const std::filesystem::path& programDirectory);

// The chosen directory when one is given. Otherwise the per-user data
// directory for a copy that runs from an installation (its installed data
// directory holds audio.dat), whose bin/ is no place for a player's files
// even when it can be written; the program's own directory for a build or a
// portable copy, unless that cannot be written either. The directory is
// created when missing. Empty when no usable directory exists.
QString ResolveDataDirectory(const QString& chosenDirectory, const QString& programDirectory);

}  // namespace coilrun
