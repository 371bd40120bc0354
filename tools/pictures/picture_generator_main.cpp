// coilrun-picture-generator OUTDIR: paints the game's pictures and writes
// them as PNG files into OUTDIR. The same machine writes the same bytes on
// every run, so the committed pictures can be checked against it.
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "tools/pictures/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: coilrun-picture-generator OUTDIR\n";
    return 2;
  }
  // Fonts need a GUI application, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!directory.mkpath(QStringLiteral("."))) {
    std::cerr << argv[1] << ": cannot create the directory\n";
    return 1;
  }
  for (const auto& picture : coilrun::pictures::AllPictures()) {
    const QString path = directory.filePath(QString::fromLatin1(picture.fileName));
    if (!coilrun::pictures::RenderPicture(picture).save(path, "PNG")) {
      std::cerr << path.toStdString() << ": cannot write the picture\n";
      return 1;
    }
  }
  return 0;
}
