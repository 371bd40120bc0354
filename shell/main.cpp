#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include "shell/command_line.h"
#include "shell/data_directory.h"
#include "shell/main_form.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("coilrun"));

  const coilrun::CommandLine commandLine = coilrun::ParseCommandLine(application.arguments());
  const QString dataDirectory =
      coilrun::ResolveDataDirectory(commandLine.dataDirectory, application.applicationDirPath());
  if (dataDirectory.isEmpty()) {
    QMessageBox::critical(nullptr, QStringLiteral("coilrun"),
                          QStringLiteral("No writable directory for the game's files was found."));
    return 1;
  }

  coilrun::TMainForm mainForm(dataDirectory, commandLine.levelFile);
  mainForm.adjustSize();
  mainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, mainForm.size(),
                                           application.primaryScreen()->availableGeometry()));
  mainForm.show();
  return application.exec();
}
