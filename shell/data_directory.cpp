#include "shell/data_directory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace coilrun {

namespace {

bool UsableDirectory(const QString& path) {
  if (path.isEmpty() || !QDir().mkpath(path)) return false;
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}

}  // namespace

QString ResolveDataDirectory(const QStringList& arguments, const QString& programDirectory) {
  const qsizetype option = arguments.indexOf(QStringLiteral("--data-dir"));
  if (option >= 0 && option + 1 < arguments.size()) {
    const QString chosen = QDir(arguments.at(option + 1)).absolutePath();
    return UsableDirectory(chosen) ? chosen : QString();
  }
  if (UsableDirectory(programDirectory)) return programDirectory;
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return UsableDirectory(perUser) ? perUser : QString();
}

}  // namespace coilrun
