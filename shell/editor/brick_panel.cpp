#include "shell/editor/brick_panel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "shell/editor/level_checks.h"

namespace coilrun {

namespace {

QSpinBox* ByteBox(int minimum, int maximum, const QString& name) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  return box;
}

QString CharacterText(std::uint8_t code) {
  return CharacterHasGlyph(code) ? QString(QChar::fromLatin1(static_cast<char>(code))) : QString();
}

}  // namespace

QString BrickKindName(int kind) {
  switch (kind) {
    case 0: return QStringLiteral("Empty cell");
    case NormalBrick: return QStringLiteral("Normal brick");
    case DoorBrick: return QStringLiteral("Door brick");
    case InOutBrick: return QStringLiteral("In-out brick");
    case ReboundBrick: return QStringLiteral("Rebound brick");
    case CharacterBrick: return QStringLiteral("Character brick");
    case ScoreBrick: return QStringLiteral("Score brick");
    case LifeBrick: return QStringLiteral("Life brick");
    default: return QStringLiteral("Unknown brick");
  }
}

BrickPanel::BrickPanel(LevelDocument& document, FieldTools& tools, QWidget* parent)
    : QWidget(parent), document_(document), tools_(tools) {
  setObjectName(QStringLiteral("BrickPanel"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  heading_ = new QLabel;
  heading_->setObjectName(QStringLiteral("BrickHeading"));
  heading_->setTextFormat(Qt::PlainText);
  layout->addWidget(heading_);
  pages_ = new QStackedWidget;
  layout->addWidget(pages_);

  plainPage_ = new QWidget;
  auto* plainLayout = new QVBoxLayout(plainPage_);
  plainText_ = new QLabel;
  plainText_->setWordWrap(true);
  plainLayout->addWidget(plainText_);
  plainLayout->addStretch();
  pages_->addWidget(plainPage_);

  doorPage_ = new QWidget;
  auto* doorLayout = new QGridLayout(doorPage_);
  doorLayout->addWidget(new QLabel(tr("The door opens and closes these cells:")), 0, 0, 1, 4);
  for (int slot = 0; slot < kDoorCellSlots; ++slot) {
    doorLayout->addWidget(new QLabel(tr("Cell %1").arg(slot + 1)), slot + 1, 0);
    for (int axis = 0; axis < 2; ++axis) {
      const int index = 2 * slot + axis;
      doorCells_[index] = ByteBox(0, 255, QStringLiteral("DoorCell%1%2").arg(slot + 1).arg(axis == 0 ? 'X' : 'Y'));
      doorLayout->addWidget(doorCells_[index], slot + 1, 1 + axis);
      connect(doorCells_[index], &QSpinBox::valueChanged, this,
              [this, index, slot](int value) { ChangeExtra(index, value, tr("Door cell %1").arg(slot + 1)); });
    }
    doorPicks_[slot] = new QPushButton(tr("Pick"));
    doorPicks_[slot]->setObjectName(QStringLiteral("PickDoorCell%1").arg(slot + 1));
    doorPicks_[slot]->setCheckable(true);
    doorPicks_[slot]->setToolTip(tr("Click the cell on the field"));
    doorLayout->addWidget(doorPicks_[slot], slot + 1, 3);
    connect(doorPicks_[slot], &QPushButton::clicked, this, [this, slot] { tools_.StartPick(slot); });
  }
  doorLayout->setRowStretch(kDoorCellSlots + 1, 1);
  pages_->addWidget(doorPage_);

  inOutPage_ = new QWidget;
  auto* inOutLayout = new QGridLayout(inOutPage_);
  inOutLayout->addWidget(new QLabel(tr("The snake comes out beside this cell:")), 0, 0, 1, 4);
  inOutLayout->addWidget(new QLabel(tr("Destination")), 1, 0);
  for (int axis = 0; axis < 2; ++axis) {
    destination_[axis] = ByteBox(-128, 127, QStringLiteral("Destination%1").arg(axis == 0 ? 'X' : 'Y'));
    inOutLayout->addWidget(destination_[axis], 1, 1 + axis);
    connect(destination_[axis], &QSpinBox::valueChanged, this,
            [this, axis](int value) { ChangeExtra(axis, value, tr("In-out destination")); });
  }
  destinationPick_ = new QPushButton(tr("Pick"));
  destinationPick_->setObjectName(QStringLiteral("PickDestination"));
  destinationPick_->setCheckable(true);
  inOutLayout->addWidget(destinationPick_, 1, 3);
  inOutLayout->setRowStretch(2, 1);
  connect(destinationPick_, &QPushButton::clicked, this, [this] { tools_.StartPick(kDestinationSlot); });
  pages_->addWidget(inOutPage_);

  characterPage_ = new QWidget;
  auto* characterLayout = new QFormLayout(characterPage_);
  character_ = new QLineEdit;
  character_->setObjectName(QStringLiteral("Character"));
  character_->setMaxLength(1);
  characterCode_ = ByteBox(0, 255, QStringLiteral("CharacterCode"));
  characterLayout->addRow(tr("Character"), character_);
  characterLayout->addRow(tr("Code (Latin-1)"), characterCode_);
  connect(character_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.size() == 1 && text[0].unicode() <= 0xFF) ChangeShownCharacter(text[0].unicode());
  });
  connect(characterCode_, &QSpinBox::valueChanged, this, &BrickPanel::ChangeShownCharacter);
  pages_->addWidget(characterPage_);

  auto* newLayout = new QFormLayout;
  newCharacter_ = new QLineEdit(CharacterText(tools_.newCharacter()));
  newCharacter_->setObjectName(QStringLiteral("NewCharacter"));
  newCharacter_->setMaxLength(1);
  newLayout->addRow(tr("New character bricks show"), newCharacter_);
  layout->addLayout(newLayout);
  connect(newCharacter_, &QLineEdit::textEdited, this, &BrickPanel::ChangeNewCharacter);

  connect(&tools_, &FieldTools::SelectionChanged, this, &BrickPanel::Refresh);
  connect(&tools_, &FieldTools::PickChanged, this, &BrickPanel::Refresh);
  connect(&document_, &LevelDocument::CurrentLevelEdited, this, &BrickPanel::Refresh);
  connect(&document_, &LevelDocument::CurrentIndexChanged, this, &BrickPanel::Refresh);
  Refresh();
}

void BrickPanel::Refresh() {
  refreshing_ = true;
  const std::optional<FieldCell> selected = tools_.selected();
  const std::optional<int> pick = tools_.pickSlot();
  if (!selected) {
    heading_->setText(tr("No cell selected"));
    plainText_->setText(
        tr("Click a cell with the select tool (S), or place a brick with the pencil (P), to see "
           "its parameters here."));
    pages_->setCurrentWidget(plainPage_);
    refreshing_ = false;
    return;
  }
  const DesignCell& cell = document_.current().at(selected->x, selected->y);
  heading_->setText(tr("(%1, %2): %3").arg(selected->x).arg(selected->y).arg(BrickKindName(cell.Kind)));
  switch (cell.Kind) {
    case DoorBrick:
      for (int index = 0; index < 2 * kDoorCellSlots; ++index) doorCells_[index]->setValue(cell.Extra[index]);
      for (int slot = 0; slot < kDoorCellSlots; ++slot) doorPicks_[slot]->setChecked(pick == slot);
      pages_->setCurrentWidget(doorPage_);
      break;
    case InOutBrick:
      for (int axis = 0; axis < 2; ++axis) destination_[axis]->setValue(static_cast<std::int8_t>(cell.Extra[axis]));
      destinationPick_->setChecked(pick == kDestinationSlot);
      pages_->setCurrentWidget(inOutPage_);
      break;
    case CharacterBrick: {
      const std::uint8_t shown = ShownCharacter(cell.Extra[0]);
      if (!character_->hasFocus()) character_->setText(CharacterText(shown));
      characterCode_->setValue(shown);
      pages_->setCurrentWidget(characterPage_);
      break;
    }
    default:
      plainText_->setText(cell.Kind == 0 ? tr("Nothing stands here.") : tr("This brick has no parameters."));
      pages_->setCurrentWidget(plainPage_);
  }
  refreshing_ = false;
}

void BrickPanel::ChangeExtra(int index, int value, const QString& name) {
  const std::optional<FieldCell> selected = tools_.selected();
  if (refreshing_ || !selected) return;
  const DesignCell before = document_.current().at(selected->x, selected->y);
  DesignCell after = before;
  after.Extra[index] = static_cast<std::uint8_t>(value);
  document_.ChangeParameters(document_.currentIndex(), {selected->x, selected->y, before, after}, name);
}

void BrickPanel::ChangeShownCharacter(int code) {
  if (refreshing_ || tools_.selected() == std::nullopt) return;
  ChangeExtra(0, StoredCharacter(static_cast<std::uint8_t>(code)), tr("Character"));
}

void BrickPanel::ChangeNewCharacter(const QString& text) {
  if (text.size() == 1 && text[0].unicode() <= 0xFF)
    tools_.SetNewCharacter(static_cast<std::uint8_t>(text[0].unicode()));
}

}  // namespace coilrun
