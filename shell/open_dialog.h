// The main window's file-open dialog for level files.
#pragma once

#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace coilrun {

// Offers existing level files only; a name typed without an extension gets
// ".lvl".
QFileDialog* CreateOpenDialog(QWidget* parent);

// Shows the dialog modally, starting at `preset`; nullopt when cancelled.
std::optional<QString> ChooseExistingFile(QFileDialog& dialog, const QString& preset);

}  // namespace coilrun
