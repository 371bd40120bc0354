#include "shell/main_form.h"

#include <QCloseEvent>
#include <QMessageBox>

#include "shell/settings_file.h"

namespace coilrun {

namespace {
constexpr int kClientWidth = 512;
constexpr int kClientHeight = 356;
}  // namespace

TMainForm::TMainForm(const QString& dataDirectory, QWidget* parent)
    : QWidget(parent), dataDirectory_(dataDirectory.toStdString()) {
  setWindowTitle(QStringLiteral("coilrun"));
  setFixedSize(kClientWidth, kClientHeight);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  FormCreate();
}

void TMainForm::FormCreate() {
  SettingsFile = dataDirectory_ / "settings.dat";
  const SettingsLoadResult loaded = LoadSettings(model_, SettingsFile);
  if (loaded.error) QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(*loaded.error));
}

void TMainForm::FormClose() {
  // A failed save is reported, but never keeps the player from closing the game.
  if (const auto error = SaveSettings(model_, SettingsFile))
    QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(*error));
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

}  // namespace coilrun
