// The yardstick for the game's start-up: what any Qt 6 program pays to show
// a window like the game's. A main window with a menu bar of three menus
// holding as many items as the game's, a 512 x 356 client, and one line of
// "DejaVu Sans" painted in it, so that it loads Qt's fonts as the game does.
#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class TextLine : public QWidget {
 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(14, 20, QStringLiteral("Score 0  Lives 5"));
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("yardstick"));
  const auto addMenu = [&window](const QString& title, const QStringList& items) {
    QMenu* menu = window.menuBar()->addMenu(title);
    for (const QString& item : items) item.isEmpty() ? menu->addSeparator() : menu->addAction(item);
  };
  addMenu(QStringLiteral("&Game"), {QStringLiteral("&New"), QStringLiteral("&Pause"), QStringLiteral("&Stop"),
                                    QString(), QStringLiteral("&Exit")});
  addMenu(QStringLiteral("&Options"), {QStringLiteral("&Names"), QStringLiteral("&Colors"), QStringLiteral("&View"),
                                       QStringLiteral("&Report"), QStringLiteral("&Other")});
  addMenu(QStringLiteral("&Help"), {QStringLiteral("&Bricks"), QStringLiteral("&Keys"), QStringLiteral("&High score"),
                                    QString(), QStringLiteral("&About")});
  auto* client = new TextLine;
  client->setFixedSize(512, 356);
  window.setCentralWidget(client);
  window.show();
  return application.exec();
}
