// The levels of the open file as the editor's list shows them: the number
// the game will show for each and how many bricks it holds. Only the rows
// in view are asked for, so ten thousand levels scroll as lightly as ten.
#pragma once

#include <QAbstractListModel>

#include "shell/editor/level_document.h"

namespace coilrun {

class LevelListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit LevelListModel(LevelDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  LevelDocument& document_;
};

}  // namespace coilrun
