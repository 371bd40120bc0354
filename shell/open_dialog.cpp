#include "shell/open_dialog.h"

#include <QFileDialog>

namespace coilrun {

QFileDialog& LevelOpenDialog::dialog() {
  if (dialog_ == nullptr) {
    dialog_ = new QFileDialog(parent_);
    dialog_->setObjectName(QStringLiteral("OpenDialog"));
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setFileMode(QFileDialog::ExistingFile);
    dialog_->setNameFilter(QStringLiteral("Level files for coilrun (*.lvl)"));
    dialog_->setDefaultSuffix(QStringLiteral("lvl"));
  }
  return *dialog_;
}

std::optional<QString> LevelOpenDialog::Execute(const QString& preset) {
  QFileDialog& chooser = dialog();
  chooser.selectFile(preset);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = chooser.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace coilrun
