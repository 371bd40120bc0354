#include "shell/open_dialog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "tests/shell/modal_answer.h"

namespace coilrun::testing {
namespace {

TEST(OpenDialogTest, OffersExistingLevelFilesFromTheOneLastChosen) {
  QTemporaryDir directory;
  QWidget window;
  LevelOpenDialog openDialog(&window);
  QFileDialog& dialog = openDialog.dialog();
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Level files for coilrun (*.lvl)")});
  EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("lvl"));

  const QString levelFile = directory.filePath("one.lvl");
  QFile(levelFile).open(QIODevice::WriteOnly);
  QStringList offered;
  {
    const ModalAnswer accept([&](QWidget& shown) {
      offered = dialog.selectedFiles();
      if (&shown == &dialog) QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(openDialog.Execute(levelFile), levelFile);
  }
  EXPECT_EQ(offered, QStringList{levelFile});
  const ModalAnswer cancel([](QWidget& shown) { shown.close(); });
  EXPECT_EQ(openDialog.Execute(levelFile), std::nullopt);
}

}  // namespace
}  // namespace coilrun::testing
