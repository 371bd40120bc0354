#include "shell/editor/level_list_model.h"

#include "engine/model.h"

namespace coilrun {

LevelListModel::LevelListModel(LevelDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
  connect(&document_, &LevelDocument::LevelsChanged, this, [this] {
    beginResetModel();
    endResetModel();
  });
  connect(&document_, &LevelDocument::CurrentLevelEdited, this, [this] {
    const QModelIndex row = index(document_.currentIndex());
    if (row.isValid()) emit dataChanged(row, row, {Qt::DisplayRole});
  });
}

int LevelListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : document_.levelCount(); }

QVariant LevelListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= document_.levelCount()) return {};
  const LevelBook::Census census = document_.levels().CensusOf(static_cast<std::size_t>(index.row()));
  // The number the game shows while the level is played from the file.
  const int shown = ShownLevelNumber(kFirstFileLevel + index.row());
  QString text =
      census.bricks == 1 ? tr("Level %1: 1 brick").arg(shown) : tr("Level %1: %2 bricks").arg(shown).arg(census.bricks);
  if (census.special > 0) text += tr(", %1 special").arg(census.special);
  return text;
}

}  // namespace coilrun
