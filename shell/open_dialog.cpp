#include "shell/open_dialog.h"

#include <QFileDialog>

namespace coilrun {

QFileDialog* CreateOpenDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent);
  dialog->setObjectName(QStringLiteral("OpenDialog"));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilter(QStringLiteral("Level files for coilrun (*.lvl)"));
  dialog->setDefaultSuffix(QStringLiteral("lvl"));
  return dialog;
}

std::optional<QString> ChooseExistingFile(QFileDialog& dialog, const QString& preset) {
  dialog.selectFile(preset);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace coilrun
