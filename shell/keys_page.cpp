#include "shell/keys_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/dialog_parts.h"
#include "shell/physical_keys.h"
#include "shell/player_input.h"

namespace coilrun {

namespace {

constexpr int kFieldWidth = 46;
constexpr int kPadBoxWidth = 80;
constexpr QColor kClashColor{0xFF, 0x80, 0x80};
constexpr char kHint[] = "Click a field (or Space) and press a key: Escape cancels, Backspace clears.";

QString FieldName(int slot) {
  if (slot == kPauseSlot) return QStringLiteral("PauseKey");
  return QStringLiteral("Player%1%2Key").arg(PlayerOfSlot(slot)).arg(DirectionNameOfSlot(slot));
}

// What else a key does in the window, for the keys that do more.
QString NoteOn(int slot, int physicalKey, int qtKey) {
  switch (physicalKey) {
    case physical::kLeftAlt:
    case physical::kRightAlt: return QStringLiteral("Alt still opens the menus with their access keys.");
    case physical::kLeftCtrl:
    case physical::kRightCtrl: return QStringLiteral("With F12, Ctrl still skips to a level.");
    case physical::kF12: return QStringLiteral("F12 now steers, so Ctrl+F12 no longer skips to a level.");
    case physical::kF2: return QStringLiteral("F2 still starts a new game between games.");
    case physical::kPause:
      if (slot != kPauseSlot) return QStringLiteral("The Pause key now steers instead of pausing.");
      return {};
    default: break;
  }
  // The menus' access keys, Alt+G, Alt+O and Alt+H, go by what the layout
  // prints on the key.
  if (qtKey == Qt::Key_G || qtKey == Qt::Key_O || qtKey == Qt::Key_H)
    return QStringLiteral("With Alt it still opens a menu.");
  return {};
}

}  // namespace

KeyField::KeyField(int slot, KeysPage& page) : slot_(slot), page_(page) {
  setObjectName(FieldName(slot));
  setFixedWidth(kFieldWidth);
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { page_.KeyFieldClick(slot_); });
}

// While it waits for a key, every key comes here: the dialog's shortcuts,
// access keys, Tab, Return and Escape included.
bool KeyField::event(QEvent* event) {
  if (page_.capturingSlot() == slot_) {
    switch (event->type()) {
      case QEvent::ShortcutOverride: event->accept(); return true;
      case QEvent::KeyPress: page_.KeyFieldKeyPress(*static_cast<QKeyEvent*>(event)); return true;
      case QEvent::KeyRelease: return true;
      default: break;
    }
  }
  return QPushButton::event(event);
}

void KeyField::focusOutEvent(QFocusEvent* event) {
  if (page_.capturingSlot() == slot_) page_.CancelCapture();
  QPushButton::focusOutEvent(event);
}

KeysPage::KeysPage(PlayerInput& input, QWidget* parent) : QWidget(parent), input_(input) {
  setObjectName(QStringLiteral("KeysSheet"));
  LayOut();
  connect(&input_.gamepads(), &Gamepads::PadsChanged, this, &KeysPage::ShowPads);
  // The layout's labels are read as the page shows.
  ShowOptions();
}

void KeysPage::LayOut() {
  auto* keys = Named<QGroupBox>("KeysGroup", QStringLiteral(" Keys && pads "));
  auto* grid = new QGridLayout(keys);
  // The page is no larger than the others, so the dialog keeps its height.
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  const char* const headings[] = {"Left", "Up", "Right", "Down", "Pad"};
  for (int column = 0; column < 5; ++column)
    grid->addWidget(new QLabel(QLatin1String(headings[column])), 0, column + 1, Qt::AlignHCenter);
  for (int slot = 0; slot < kKeySlots; ++slot) fields_[slot] = new KeyField(slot, *this);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    grid->addWidget(new QLabel(QStringLiteral("Player %1").arg(player)), player, 0);
    for (int direction = 0; direction < kDirectionsPerPlayer; ++direction)
      grid->addWidget(fields_[SteeringSlot(player, direction)], player, direction + 1);
    QComboBox* padBox = padBoxes_[player - 1] = new QComboBox;
    padBox->setObjectName(QStringLiteral("Player%1Pad").arg(player));
    padBox->setFixedWidth(kPadBoxWidth);
    connect(padBox, &QComboBox::activated, this, [this, player] { PadBoxChange(player); });
    grid->addWidget(padBox, player, 5);
  }
  grid->addWidget(new QLabel(QStringLiteral("Pause")), kMaxPlayers + 1, 0);
  grid->addWidget(fields_[kPauseSlot], kMaxPlayers + 1, 1);
  padsLabel_ = Named<QLabel>("PadsLabel");
  grid->addWidget(padsLabel_, kMaxPlayers + 1, 2, 1, 3);
  defaultsButton_ = Named<QPushButton>("DefaultsButton", QStringLiteral("&Defaults"));
  defaultsButton_->setAutoDefault(false);
  connect(defaultsButton_, &QPushButton::clicked, this, &KeysPage::DefaultsButtonClick);
  grid->addWidget(defaultsButton_, kMaxPlayers + 1, 5);

  focusPauseBox_ = Named<QCheckBox>("FocusPauseBox", QStringLiteral("Pause when the window loses the &focus"));
  connect(focusPauseBox_, &QCheckBox::toggled, this, &KeysPage::FocusPauseBoxClick);
  statusLabel_ = Named<QLabel>("KeysStatus");
  statusLabel_->setWordWrap(true);
  statusLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for two lines, so that a longer message does not move the page.
  statusLabel_->setMinimumHeight(2 * statusLabel_->fontMetrics().lineSpacing());

  auto* page = new QVBoxLayout(this);
  page->setSpacing(4);
  page->addWidget(keys);
  page->addWidget(focusPauseBox_);
  page->addWidget(statusLabel_);
  page->addStretch();
}

// The first field takes the focus, so that the keys can be set from the
// keyboard alone: Space on a field, the key, Tab to the next.
void KeysPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  Refresh();
  fields_[0]->setFocus();
}

void KeysPage::Refresh() {
  labels_ = KeyLabels::Current();
  ShowOptions();
}

void KeysPage::ShowOptions() {
  capturing_.reset();
  {
    const QSignalBlocker fromTheProgram(focusPauseBox_);
    focusPauseBox_->setChecked(input_.options().pauseOnFocusLoss);
  }
  ShowKeys();
  ShowPads();
  SetStatus(QLatin1String(kHint));
}

void KeysPage::KeyFieldClick(int slot) {
  if (capturing_ == slot) {
    CancelCapture();
    return;
  }
  capturing_ = slot;
  fields_[slot]->setFocus();
  ShowKeys();
  SetStatus(SlotName(slot) + QStringLiteral(": press a key (Escape cancels, Backspace clears)."));
}

void KeysPage::CancelCapture() {
  if (!capturing_) return;
  capturing_.reset();
  ShowKeys();
  SetStatus(QLatin1String(kHint));
}

void KeysPage::KeyFieldKeyPress(const QKeyEvent& event) {
  if (!capturing_ || event.isAutoRepeat()) return;
  const int slot = *capturing_;
  switch (event.key()) {
    case Qt::Key_Escape: CancelCapture(); return;
    case Qt::Key_Backspace:
      capturing_.reset();
      Bind(slot, 0);
      SetStatus(SlotName(slot) + QStringLiteral(" has no key now."));
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      SetStatus(QStringLiteral("Tab moves between the window's controls; press another key."));
      return;
    default: break;
  }
  const std::optional<int> physicalKey = PhysicalKeyOf(event);
  if (!physicalKey) {
    SetStatus(QStringLiteral("That key cannot be told from others here; press another."));
    return;
  }
  capturing_.reset();
  const std::optional<int> holder = input_.options().keys.SlotOf(*physicalKey);
  if (holder && *holder != slot) {
    clash_ = Clash{slot, *holder,
                   QStringLiteral("%1 is %2 already, so %3 cannot have it too. Give %2 another key first.")
                       .arg(Label(*physicalKey), SlotName(*holder), SlotName(slot))};
    ShowKeys();
    SetStatus(clash_->message);
    return;
  }
  Bind(slot, *physicalKey);
  const QString note = NoteOn(slot, *physicalKey, event.key());
  SetStatus(SlotName(slot) + QStringLiteral(" is ") + Label(*physicalKey) + QStringLiteral(".") +
            (note.isEmpty() ? QString() : QStringLiteral(" ") + note));
}

void KeysPage::DefaultsButtonClick() {
  capturing_.reset();
  clash_.reset();
  input_.SetKeys(KeyBindings::Defaults());
  ShowKeys();
  SetStatus(QStringLiteral("Every player has the game's own keys again."));
}

void KeysPage::FocusPauseBoxClick() { input_.SetPauseOnFocusLoss(focusPauseBox_->isChecked()); }

void KeysPage::PadBoxChange(int player) {
  const int entry = padBoxes_[player - 1]->currentIndex();
  const int pads = static_cast<int>(input_.gamepads().pads().size());
  // The last entry can stand for the seat's pad while it is unplugged.
  if (entry > pads) return;
  input_.gamepads().TakePad(player, entry - 1);
}

QString KeysPage::FieldText(int slot) const { return fields_[slot]->text(); }

bool KeysPage::FieldMarked(int slot) const { return clash_ && (clash_->wanting == slot || clash_->holding == slot); }

QString KeysPage::StatusText() const { return statusLabel_->text(); }

void KeysPage::Bind(int slot, int physicalKey) {
  KeyBindings keys = input_.options().keys;
  keys.keys[slot] = physicalKey;
  input_.SetKeys(keys);
  if (clash_ && (clash_->wanting == slot || clash_->holding == slot)) clash_.reset();
  ShowKeys();
}

void KeysPage::ShowKeys() {
  const KeyBindings& keys = input_.options().keys;
  for (int slot = 0; slot < kKeySlots; ++slot) {
    KeyField* field = fields_[slot];
    field->setText(capturing_ == slot ? QStringLiteral("...") : Label(keys.keys[slot]));
    QPalette palette = field->palette();
    palette.setColor(QPalette::Button, FieldMarked(slot) ? kClashColor : QPalette().color(QPalette::Button));
    field->setPalette(palette);
  }
}

void KeysPage::ShowPads() {
  const Gamepads& gamepads = input_.gamepads();
  const auto& pads = gamepads.pads();
  for (int player = 1; player <= kMaxPlayers; ++player) {
    QComboBox* box = padBoxes_[player - 1];
    const QSignalBlocker fromTheProgram(box);
    box->clear();
    box->addItem(QStringLiteral("No pad"));
    int chosen = 0;
    for (int pad = 0; pad < std::ssize(pads); ++pad) {
      box->addItem(QStringLiteral("%1: %2").arg(pad + 1).arg(pads[pad].name));
      if (pads[pad].seat == player) chosen = pad + 1;
    }
    if (chosen == 0 && !gamepads.seatKinds()[player - 1].isEmpty()) {
      box->addItem(QStringLiteral("Unplugged"));
      chosen = box->count() - 1;
    }
    box->setCurrentIndex(chosen);
  }
  padsLabel_->setText(pads.empty() ? QStringLiteral("No gamepad found.")
                                   : QStringLiteral("Gamepads found: %1.").arg(pads.size()));
}

void KeysPage::SetStatus(const QString& text) { statusLabel_->setText(clash_ && !capturing_ ? clash_->message : text); }

}  // namespace coilrun
