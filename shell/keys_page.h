// The options dialog's "Keys" page: each player's Left, Up, Right and Down
// and the pause key, the pad each player's seat takes, and the pause when
// the window loses the focus. Every change takes effect at once.
//
// Click a key's field and press the key: Escape cancels, Backspace leaves
// the field without a key. A key that another field holds is refused (the
// rule is "block"): both fields are marked and the page names them until
// one of them changes, or the defaults come back.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>
#include <optional>

#include "shell/key_bindings.h"
#include "shell/key_labels.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;

namespace coilrun {

class KeysPage;
class PlayerInput;

// A key's field: a button that, once clicked, takes the next key pressed,
// also the keys that would otherwise close the dialog or press a button.
class KeyField : public QPushButton {
  Q_OBJECT

 public:
  KeyField(int slot, KeysPage& page);

 protected:
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int slot_;
  KeysPage& page_;
};

class KeysPage : public QWidget {
  Q_OBJECT

 public:
  explicit KeysPage(PlayerInput& input, QWidget* parent = nullptr);

  // The page's handlers.
  void KeyFieldClick(int slot);
  // A key pressed while a field waits for one.
  void KeyFieldKeyPress(const QKeyEvent& event);
  // The field lost the focus, or was clicked again: no key is taken.
  void CancelCapture();
  void DefaultsButtonClick();
  void FocusPauseBoxClick();
  // The player chose an entry of the pad box of player 1..4.
  void PadBoxChange(int player);

  // What the page shows.
  std::optional<int> capturingSlot() const { return capturing_; }
  QString FieldText(int slot) const;
  bool FieldMarked(int slot) const;
  QString StatusText() const;

  // Labels, pads and boxes afresh, as the dialog shows.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Clash {
    int wanting;
    int holding;
    QString message;
  };

  void LayOut();
  void ShowOptions();
  void ShowKeys();
  void ShowPads();
  // While a clash stands, the page names it, except to ask for a key.
  void SetStatus(const QString& text);
  void Bind(int slot, int physicalKey);
  QString Label(int physicalKey) const { return labels_.Label(physicalKey); }

  PlayerInput& input_;
  KeyLabels labels_ = KeyLabels::UsKeyboard();
  std::optional<int> capturing_;
  std::optional<Clash> clash_;
  std::array<KeyField*, kKeySlots> fields_{};
  std::array<QComboBox*, kMaxPlayers> padBoxes_{};
  QPushButton* defaultsButton_ = nullptr;
  QCheckBox* focusPauseBox_ = nullptr;
  QLabel* padsLabel_ = nullptr;
  QLabel* statusLabel_ = nullptr;
};

}  // namespace coilrun
