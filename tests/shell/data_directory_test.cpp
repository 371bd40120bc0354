#include "shell/data_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <fstream>

#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

namespace fs = std::filesystem;

// A player's files go beside a build or a portable copy, but never into the
// bin/ of an installation, even one the player may write (~/.local/bin).
TEST(DataDirectoryTest, AnInstalledCopyKeepsItsFilesPerUserAndAnyOtherBesideTheProgram) {
  TempDirectory directory("coilrun-data-directory");
  const fs::path perUser = directory / "home/data/coilrun";
  const std::string oldDataHome = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
  setenv("XDG_DATA_HOME", (directory / "home/data").c_str(), 1);
  QCoreApplication::setApplicationName(QStringLiteral("coilrun"));

  const struct {
    const char* layout;
    const char* program;
    const char* installedFile;  // relative to the copy's root, or null
    const char* chosen;
    fs::path expected;
  } kCases[] = {
      {"build tree", "build/shell", nullptr, "", directory / "build/shell"},
      {"portable copy with its archive", "portable", "portable/audio.dat", "", directory / "portable"},
      {"an empty share/coilrun is no installation", "loose/bin", "loose/share/coilrun/", "", directory / "loose/bin"},
      {"installed, bin/ writable", "prefix/bin", "prefix/share/coilrun/audio.dat", "", perUser},
      {"installed, a directory chosen", "prefix/bin", "prefix/share/coilrun/audio.dat", "chosen", directory / "chosen"},
  };
  for (const auto& testCase : kCases) {
    SCOPED_TRACE(testCase.layout);
    fs::create_directories(directory / testCase.program);
    if (testCase.installedFile != nullptr) {
      const fs::path file = directory / testCase.installedFile;
      fs::create_directories(file.parent_path());
      if (file.has_filename()) std::ofstream(file) << "x";
    }
    const QString chosen =
        *testCase.chosen ? QString::fromStdString((directory / testCase.chosen).string()) : QString();
    const QString resolved =
        ResolveDataDirectory(chosen, QString::fromStdString((directory / testCase.program).string()));
    EXPECT_EQ(fs::path(resolved.toStdString()), testCase.expected);
    EXPECT_TRUE(fs::is_directory(testCase.expected));
  }

  if (oldDataHome.empty()) {
    unsetenv("XDG_DATA_HOME");
  } else {
    setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
  }
}

}  // namespace
}  // namespace coilrun::testing
