#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include "shell/data_directory.h"
#include "shell/main_form.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("coilrun"));

  const QString dataDirectory = coilrun::ResolveDataDirectory(application.arguments(), application.applicationDirPath());
  if (dataDirectory.isEmpty()) {
    QMessageBox::critical(nullptr, QStringLiteral("coilrun"),
                          QStringLiteral("No writable directory for the game's files was found."));
    return 1;
  }

  coilrun::TMainForm mainForm(dataDirectory);
  mainForm.adjustSize();
  mainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, mainForm.size(),
                                           application.primaryScreen()->availableGeometry()));
  mainForm.show();
  return application.exec();
}
