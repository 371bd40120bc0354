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

QString ResolveDataDirectory(const QString& chosenDirectory, const QString& programDirectory) {
  if (!chosenDirectory.isEmpty()) {
    const QString chosen = QDir(chosenDirectory).absolutePath();
    return UsableDirectory(chosen) ? chosen : QString();
  }
  if (UsableDirectory(programDirectory)) return programDirectory;
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return UsableDirectory(perUser) ? perUser : QString();
}

}  // namespace coilrun
