// How the players reach the game beyond its own keys: keys of
// their own choosing (by physical key), gamepads, and the pause when the
// window loses the focus. Keeps its options in coilrun.ini and adds the
// "Keys" page to the options dialog.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "engine/model.h"
#include "game/game_timers.h"
#include "game/prompts.h"
#include "present/keys_page_texts.h"
#include "shell/coilrun_ini.h"
#include "shell/gamepads.h"
#include "shell/input_options.h"
#include "shell/key_router.h"

class QMenu;
class QWidget;

namespace coilrun {

class InformationScreens;
class KeysPage;
class OptionsForm;

class PlayerInput : public QObject, public KeysPageSource {
  Q_OBJECT

 public:
  // What it needs of the window.
  struct Window {
    QWidget& widget;
    CoilrunIni& ini;
    const GameModel& model;
    GameTimers& timers;
    Prompts& prompts;
    // A key into the game's keyboard handler.
    std::function<void(const KeyDown&)> pressKey;
    // The Game menu's Pause.
    std::function<void()> pause;
  };

  // Reads its options from the loaded coilrun.ini; keys that cannot be used
  // are reported through the window's prompts.
  explicit PlayerInput(Window window);
  ~PlayerInput() override;

  // The Keys page after the options dialog's pages, Options > Keys below a
  // separator, and the bound keys on the help's keys page.
  void HookInto(OptionsForm& optionsForm, QMenu& optionsMenu, InformationScreens& screens);

  // The key the game is to get for a key press of the window, if any.
  std::optional<KeyDown> KeyPressed(const QKeyEvent& event) { return router_.KeyPressed(event); }

  const InputOptions& options() const { return options_; }
  void SetKeys(const KeyBindings& keys);
  void SetPauseOnFocusLoss(bool on);
  Gamepads& gamepads() { return gamepads_; }
  // Built on first use, after the dialog's other pages.
  KeysPage* keysPage();

  KeysPageTexts CurrentKeysPageTexts() const override;

  // A game in play pauses when the application goes to the background.
  void ApplicationStateChanged(Qt::ApplicationState state);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PadSteered(int player, Direction direction);
  void PadStartPressed(int player);
  void SeatPadLost(int player, const QString& padName);
  void PadsChanged();
  // A game whose timer runs: in play and not paused.
  bool GameRunning() const;
  void Store();

  Window window_;
  InputOptions options_;
  KeyRouter router_;
  Gamepads gamepads_;
  QPointer<OptionsForm> optionsForm_;
  QPointer<KeysPage> keysPage_;
  InformationScreens* screens_ = nullptr;
};

}  // namespace coilrun
