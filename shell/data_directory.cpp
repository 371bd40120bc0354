#include "shell/data_directory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef COILRUN_INSTALLED_DATA
#define COILRUN_INSTALLED_DATA "../share/coilrun"
#endif

namespace coilrun {

namespace {

bool UsableDirectory(const QString& path) {
  if (path.isEmpty() || !QDir().mkpath(path)) return false;
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}

bool RunsInstalled(const QString& programDirectory) {
  std::error_code error;
  return std::filesystem::exists(InstalledDataDirectory(programDirectory.toStdString()) / "audio.dat", error);
}

}  // namespace

std::filesystem::path InstalledDataDirectory(const std::filesystem::path& programDirectory) {
  return programDirectory / COILRUN_INSTALLED_DATA;
}

QString ResolveDataDirectory(const QString& chosenDirectory, const QString& programDirectory) {
  if (!chosenDirectory.isEmpty()) {
    const QString chosen = QDir(chosenDirectory).absolutePath();
    return UsableDirectory(chosen) ? chosen : QString();
  }
  if (!RunsInstalled(programDirectory) && UsableDirectory(programDirectory)) return programDirectory;
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return UsableDirectory(perUser) ? perUser : QString();
}

}  // namespace coilrun
