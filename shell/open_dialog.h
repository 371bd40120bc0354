// The main window's file-open dialog for level files.
#pragma once

#include <QString>
#include <optional>

class QFileDialog;
class QWidget;

namespace coilrun {

// Offers existing level files only; a name typed without an extension gets
// ".lvl". Building a file dialog takes milliseconds, so it is built when the
// player first asks for it, not while the program starts.
class LevelOpenDialog {
 public:
  explicit LevelOpenDialog(QWidget* parent) : parent_(parent) {}

  // Shows the dialog modally, starting at `preset`; nullopt when cancelled.
  std::optional<QString> Execute(const QString& preset);
  QFileDialog& dialog();

 private:
  QWidget* parent_;
  // A child of the parent, which deletes it.
  QFileDialog* dialog_ = nullptr;
};

}  // namespace coilrun
