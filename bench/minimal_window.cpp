// The yardstick for the game's start-up: the least a Qt 6 program does to
// show a window of the game's client size, 512 x 356.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.setFixedSize(512, 356);
  window.show();
  return application.exec();
}
