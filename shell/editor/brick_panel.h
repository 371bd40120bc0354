// The side panel of the level editor: the selected cell's brick and its
// parameters (a door's four cells, an in-out brick's destination, a
// character brick's character), each typed in or picked on the field, and
// the character that new character bricks show.
#pragma once

#include <QWidget>
#include <array>

#include "shell/editor/field_tools.h"
#include "shell/editor/level_document.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace coilrun {

// A kind's name as the brick types screen gives it; "Empty cell" for 0.
QString BrickKindName(int kind);

class BrickPanel : public QWidget {
  Q_OBJECT

 public:
  BrickPanel(LevelDocument& document, FieldTools& tools, QWidget* parent = nullptr);

 private:
  void Refresh();
  // Byte `index` of the selected brick's Extra becomes `value`.
  void ChangeExtra(int index, int value, const QString& name);
  void ChangeShownCharacter(int code);
  void ChangeNewCharacter(const QString& text);

  LevelDocument& document_;
  FieldTools& tools_;
  bool refreshing_ = false;
  QLabel* heading_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QWidget* plainPage_ = nullptr;
  QLabel* plainText_ = nullptr;
  QWidget* doorPage_ = nullptr;
  std::array<QSpinBox*, 2 * kDoorCellSlots> doorCells_{};
  std::array<QPushButton*, kDoorCellSlots> doorPicks_{};
  QWidget* inOutPage_ = nullptr;
  std::array<QSpinBox*, 2> destination_{};
  QPushButton* destinationPick_ = nullptr;
  QWidget* characterPage_ = nullptr;
  QLineEdit* character_ = nullptr;
  QSpinBox* characterCode_ = nullptr;
  QLineEdit* newCharacter_ = nullptr;
};

}  // namespace coilrun
