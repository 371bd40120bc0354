// The main window: the field, the report panel and the menus.
#pragma once

#include <QWidget>
#include <filesystem>

#include "engine/model.h"

namespace coilrun {

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  explicit TMainForm(const QString& dataDirectory, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormClose();

  std::filesystem::path dataDirectory_;
  std::filesystem::path SettingsFile;
  GameModel model_;
};

}  // namespace coilrun
