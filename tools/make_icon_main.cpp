// Writes the program's icon as the picture files a desktop installs:
//   coilrun-make-icon DIRECTORY SIZE...   writes DIRECTORY/SIZE/coilrun.png
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "present/game_icon.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: coilrun-make-icon DIRECTORY SIZE...\n", stderr);
    return 2;
  }
  // Painting needs no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    const QString sizeDirectory = QString::number(size);
    const QString file = directory.filePath(sizeDirectory + QStringLiteral("/coilrun.png"));
    if (size < 1 || size > 1024 || !directory.mkpath(sizeDirectory) ||
        !coilrun::GameIconImage(size).save(file, "PNG")) {
      std::fprintf(stderr, "coilrun-make-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
