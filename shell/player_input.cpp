#include "shell/player_input.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "engine/keys.h"
#include "game/menu_state.h"
#include "present/information_screens.h"
#include "shell/keys_help_texts.h"
#include "shell/keys_page.h"
#include "shell/main_menu.h"
#include "shell/options_form.h"

namespace coilrun {

PlayerInput::PlayerInput(Window window)
    : window_(window), gamepads_([this] {
        if (GameRunning()) return Gamepads::Pace::Play;
        return GameInPlay(window_.model) ? Gamepads::Pace::Pause : Gamepads::Pace::Idle;
      }) {
  const InputOptionsLoad loaded = LoadInputOptions(window_.ini);
  options_ = loaded.options;
  router_.SetBindings(options_.keys);
  gamepads_.SetSeatKinds(options_.seatPads);
  // Keys that could not be used are written back repaired, so that the
  // player is told once.
  Store();
  if (loaded.failure) window_.prompts.ShowFailure(*loaded.failure);

  connect(&gamepads_, &Gamepads::Steered, this, &PlayerInput::PadSteered);
  connect(&gamepads_, &Gamepads::StartPressed, this, &PlayerInput::PadStartPressed);
  connect(&gamepads_, &Gamepads::SeatPadLost, this, &PlayerInput::SeatPadLost);
  connect(&gamepads_, &Gamepads::PadsChanged, this, &PlayerInput::PadsChanged);
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &PlayerInput::ApplicationStateChanged);
  window_.widget.installEventFilter(this);
}

// The page lives in the dialog, but works on this object.
PlayerInput::~PlayerInput() {
  if (screens_ != nullptr) screens_->SetKeysPageSource(nullptr);
  delete keysPage_;
}

// The page is built when the dialog first opens: most runs never open it.
void PlayerInput::HookInto(OptionsForm& optionsForm, QMenu& optionsMenu, InformationScreens& screens) {
  optionsForm_ = &optionsForm;
  connect(&optionsForm, &OptionsForm::ControlsBuilt, this, &PlayerInput::keysPage);
  AddSeparator(optionsMenu, "KeysSeparator");
  QAction* item = AddItem(optionsMenu, "KeysOptionsItem", QStringLiteral("&Keys"));
  connect(item, &QAction::triggered, this, [this, &optionsForm] { optionsForm.ShowOnPage(keysPage()); });
  screens_ = &screens;
  screens.SetKeysPageSource(this);
}

KeysPage* PlayerInput::keysPage() {
  if (keysPage_ == nullptr && optionsForm_ != nullptr) {
    keysPage_ = new KeysPage(*this);
    optionsForm_->AddPage(keysPage_, QStringLiteral("Keys"));
  }
  return keysPage_;
}

void PlayerInput::SetKeys(const KeyBindings& keys) {
  options_.keys = keys;
  router_.SetBindings(keys);
  Store();
}

void PlayerInput::SetPauseOnFocusLoss(bool on) {
  options_.pauseOnFocusLoss = on;
  Store();
}

KeysPageTexts PlayerInput::CurrentKeysPageTexts() const { return KeysHelpTexts(options_.keys, KeyLabels::Current()); }

// A window never shown has no focus to lose.
void PlayerInput::ApplicationStateChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) return;
  router_.ForgetHeldKeys();
  if (options_.pauseOnFocusLoss && window_.widget.isVisible() && GameRunning()) window_.pause();
}

bool PlayerInput::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_.widget && event->type() == QEvent::KeyRelease)
    router_.KeyReleased(*static_cast<QKeyEvent*>(event));
  return false;
}

void PlayerInput::PadSteered(int player, Direction direction) {
  window_.pressKey(KeyDown{SteeringKeyFor(player, direction), ShiftNone});
}

void PlayerInput::PadStartPressed(int /*player*/) { window_.pressKey(KeyDown{VkP, ShiftNone}); }

// Only a player of the game in play is missed; the game stops for them
// before they are told.
void PlayerInput::SeatPadLost(int player, const QString& padName) {
  const GameModel& model = window_.model;
  if (!GameInPlay(model) || player > PlayersInGame(model.Settings)) return;
  if (GameRunning()) window_.pause();
  window_.prompts.ShowMessage("Player " + std::to_string(player) + " lost the gamepad \"" +
                              padName.toLatin1().toStdString() + "\".");
}

void PlayerInput::PadsChanged() {
  if (options_.seatPads == gamepads_.seatKinds()) return;
  options_.seatPads = gamepads_.seatKinds();
  Store();
}

bool PlayerInput::GameRunning() const {
  return window_.model.ScreenState == BoardScreen && window_.timers.TimerEnabled(GameTimer::Game);
}

void PlayerInput::Store() { StoreInputOptions(options_, window_.ini); }

}  // namespace coilrun
