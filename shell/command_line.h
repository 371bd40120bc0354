// The program's command line: an optional level file, and "--data-dir DIR"
// to keep the game's files somewhere else.
#pragma once

#include <QString>
#include <QStringList>

namespace coilrun {

struct CommandLine {
  QString dataDirectory;  // empty unless --data-dir was given
  QString levelFile;      // the first argument that is not an option
};

// `arguments` includes the program name first, as QCoreApplication gives it.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace coilrun
