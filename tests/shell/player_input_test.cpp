#include "shell/player_input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include "shell/coilrun_ini.h"
#include "shell/input_options.h"
#include "shell/keys_page.h"
#include "shell/main_form.h"
#include "shell/pad_direction.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/modal_answer.h"
#include "tests/shell/start_game.h"

namespace coilrun {
namespace {

using testing::ArrangedModel;
using testing::ModalAnswer;
using testing::StartGameFromTheDialog;

constexpr int kPlayer1Up = SteeringSlot(1, 1);
constexpr int kPlayer2Left = SteeringSlot(2, 0);

QKeyEvent KeyPress(int qtKey, int scanCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, static_cast<quint32>(scanCode), 0, 0);
}

class PlayerInputTest : public ::testing::Test {
 protected:
  PlayerInput& input() { return form.input(); }
  KeysPage& page() { return *form.input().keysPage(); }
  // A click on a field, then a key.
  void PressIntoField(int slot, int qtKey, int scanCode) {
    page().KeyFieldClick(slot);
    page().KeyFieldKeyPress(KeyPress(qtKey, scanCode));
  }
  void PressIntoWindow(int qtKey, int scanCode) {
    QKeyEvent press = KeyPress(qtKey, scanCode);
    QApplication::sendEvent(&form, &press);
  }
  InputOptionsLoad StoredAfterClosing() {
    form.close();
    CoilrunIni ini((dataDirectory.path() + "/coilrun.ini").toStdString());
    EXPECT_FALSE(ini.Load());
    return LoadInputOptions(ini);
  }

  QTemporaryDir dataDirectory;
  MainForm form{dataDirectory.path(), QString()};
};

TEST_F(PlayerInputTest, AFieldTakesThePhysicalKeyPressedEscapeCancelsAndBackspaceClears) {
  ASSERT_EQ(page().FieldText(kPlayer1Up), QStringLiteral("Up"));
  // Escape, as the dialog gets it, reaches the field, not the dialog, and
  // changes nothing.
  page().KeyFieldClick(kPlayer1Up);
  QKeyEvent escape = KeyPress(Qt::Key_Escape, 9);
  auto* field = page().findChild<KeyField*>(QStringLiteral("Player1UpKey"));
  ASSERT_NE(field, nullptr);
  QApplication::sendEvent(field, &escape);
  EXPECT_TRUE(escape.isAccepted());
  EXPECT_FALSE(page().capturingSlot());
  EXPECT_EQ(page().FieldText(kPlayer1Up), QStringLiteral("Up"));

  // On a German layout the key a US keyboard prints Z says Y: the key is
  // kept by its place.
  PressIntoField(kPlayer1Up, Qt::Key_Y, 52);
  EXPECT_EQ(page().FieldText(kPlayer1Up), QStringLiteral("Z"));
  EXPECT_EQ(input().options().keys.keys[kPlayer1Up], 52);
  StartGameFromTheDialog(form, 1);
  PressIntoWindow(Qt::Key_Up, 111);
  EXPECT_EQ(ArrangedModel(form).Players[1].Direction, Direction::Right);
  PressIntoWindow(Qt::Key_Y, 52);
  EXPECT_EQ(ArrangedModel(form).Players[1].Direction, Direction::Up);

  PressIntoField(SteeringSlot(3, 3), Qt::Key_Backspace, 22);
  EXPECT_EQ(page().FieldText(SteeringSlot(3, 3)), QStringLiteral("none"));

  const InputOptionsLoad stored = StoredAfterClosing();
  EXPECT_FALSE(stored.failure);
  EXPECT_EQ(stored.options.keys, input().options().keys);
  EXPECT_EQ(stored.options.keys.keys[SteeringSlot(3, 3)], 0);
}

TEST_F(PlayerInputTest, AKeyAnotherFieldHoldsIsRefusedAndMarkedOnBothUntilOneOfThemChanges) {
  PressIntoField(kPlayer1Up, Qt::Key_A, 38);
  EXPECT_EQ(input().options().keys, KeyBindings::Defaults());
  EXPECT_TRUE(page().FieldMarked(kPlayer1Up));
  EXPECT_TRUE(page().FieldMarked(kPlayer2Left));
  EXPECT_FALSE(page().FieldMarked(SteeringSlot(1, 0)));
  EXPECT_TRUE(page().StatusText().contains(QStringLiteral("Player 2's Left")));
  EXPECT_TRUE(page().StatusText().contains(QStringLiteral("Player 1's Up")));

  // Another field changing leaves the clash where it is, and named.
  PressIntoField(SteeringSlot(3, 0), Qt::Key_N, 57);
  EXPECT_TRUE(page().FieldMarked(kPlayer2Left));
  EXPECT_TRUE(page().StatusText().contains(QStringLiteral("Player 2's Left")));

  PressIntoField(kPlayer2Left, Qt::Key_Q, 24);
  EXPECT_FALSE(page().FieldMarked(kPlayer1Up));
  EXPECT_FALSE(page().FieldMarked(kPlayer2Left));
  PressIntoField(kPlayer1Up, Qt::Key_A, 38);
  EXPECT_EQ(input().options().keys.keys[kPlayer1Up], 38);

  // All four players on one key cannot happen: each of them is refused.
  for (const int player : {2, 3, 4}) {
    PressIntoField(SteeringSlot(player, 1), Qt::Key_A, 38);
    EXPECT_NE(input().options().keys.keys[SteeringSlot(player, 1)], 38);
  }
  PressIntoField(kPauseSlot, Qt::Key_A, 38);
  EXPECT_TRUE(page().FieldMarked(kPauseSlot));

  page().DefaultsButtonClick();
  EXPECT_EQ(input().options().keys, KeyBindings::Defaults());
  EXPECT_FALSE(page().FieldMarked(kPauseSlot));
  EXPECT_FALSE(page().FieldMarked(kPlayer1Up));
  // Back at the defaults, but the file had keys: they stay, whole.
  const InputOptionsLoad stored = StoredAfterClosing();
  EXPECT_FALSE(stored.failure);
  EXPECT_EQ(stored.options.keys, KeyBindings::Defaults());
}

TEST_F(PlayerInputTest, LosingTheFocusPausesAGameInPlayAndNothingElse) {
  form.show();
  StartGameFromTheDialog(form, 1);
  const GameModel& model = form.model();
  ASSERT_TRUE(form.TimerEnabled(GameTimer::Game));
  PressIntoWindow(Qt::Key_Down, 116);

  input().ApplicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(model.ScreenState, PauseScreen);
  EXPECT_TRUE(model.Settings.Paused);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
  // The key held as the focus went counts as released.
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, 116, 0, 0, QString(), true);
  EXPECT_FALSE(input().KeyPressed(held));

  // A paused game stays paused, also under a help page.
  input().ApplicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(model.ScreenState, PauseScreen);
  form.findChild<QAction*>(QStringLiteral("KeysItem"))->trigger();
  input().ApplicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(model.ScreenState, KeysScreen);
  EXPECT_TRUE(model.Settings.Paused);

  // Off, a game goes on.
  PressIntoWindow(Qt::Key_P, 33);
  ASSERT_TRUE(form.TimerEnabled(GameTimer::Game));
  input().SetPauseOnFocusLoss(false);
  input().ApplicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(form.TimerEnabled(GameTimer::Game));

  // No game: nothing happens.
  input().SetPauseOnFocusLoss(true);
  emit form.findChild<QMenu*>(QStringLiteral("GameMenu"))->aboutToShow();
  form.findChild<QAction*>(QStringLiteral("StopItem"))->trigger();
  ASSERT_EQ(model.ScreenState, TitleScreen);
  input().ApplicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(model.Settings.Paused);
}

TEST(PadDirectionTest, TheStickPointsPastItsDeadZoneAndHoldsItsDirectionOnADiagonal) {
  using enum Direction;
  const struct {
    std::optional<Direction> previous;
    int x, y;
    std::optional<Direction> expected;
  } cases[] = {
      {std::nullopt, 0, 0, std::nullopt},
      {std::nullopt, 11'999, -11'999, std::nullopt},  // inside the dead zone
      {std::nullopt, -12'000, 0, Left},
      {std::nullopt, 0, 32'767, Down},
      {std::nullopt, 0, -32'768, Up},  // the far end of a signed axis
      {std::nullopt, -32'768, -32'768, Left},
      {std::nullopt, 20'000, 20'000, Right},  // a perfect diagonal goes sideways
      {std::nullopt, 20'000, 20'001, Down},
      // Held on a diagonal, the direction stays...
      {Up, 20'000, -20'000, Up},
      {Up, 25'000, -20'000, Up},
      {Right, 20'000, -29'000, Right},
      // ...until the other axis leads by half as much again.
      {Right, 20'000, -30'001, Up},
      {Up, 30'001, -20'000, Right},
      // Near the edge of the dead zone it holds, but does not start.
      {Left, -9'000, 0, Left},
      {std::nullopt, -9'000, 0, std::nullopt},
      {Left, -7'999, 0, std::nullopt},
      {Left, 30'000, 0, Right},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(PadDirection(test.previous, test.x, test.y), test.expected) << test.x << ", " << test.y;
  }
}

// A pad made by SDL without hardware: all the buttons and axes of a game
// controller, with SDL's own mapping for them.
class VirtualPad {
 public:
  explicit VirtualPad(const char* name) {
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    description.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    description.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    description.name = name;
    const int device = SDL_JoystickAttachVirtualEx(&description);
    if (device >= 0) joystick_ = SDL_JoystickOpen(device);
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool attached() const { return joystick_ != nullptr; }
  void Button(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
  void Stick(Sint16 x, Sint16 y) {
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, x);
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, y);
  }
  void Unplug() {
    if (joystick_ == nullptr) return;
    const SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
      if (SDL_JoystickGetDeviceInstanceID(device) == instance) SDL_JoystickDetachVirtual(device);
    }
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

TEST_F(PlayerInputTest, AVirtualPadTakenOnTheKeysPageSteersPausesAndPausesTheGameWhenUnplugged) {
  Gamepads& pads = input().gamepads();
  pads.Start();
  if (!pads.available()) GTEST_SKIP() << "SDL's game controller part did not start here";
  EXPECT_EQ(pads.pollInterval(), Gamepads::kIdlePollInterval);
  VirtualPad first("First pad");
  VirtualPad second("Second pad");
  ASSERT_TRUE(first.attached() && second.attached());
  pads.Poll();
  ASSERT_EQ(pads.pads().size(), 2u);
  auto* padBox = page().findChild<QComboBox*>(QStringLiteral("Player1Pad"));
  ASSERT_NE(padBox, nullptr);
  ASSERT_EQ(padBox->count(), 3);
  EXPECT_EQ(padBox->itemText(1), QStringLiteral("1: First pad"));
  padBox->setCurrentIndex(1);
  page().PadBoxChange(1);
  ASSERT_NE(pads.PadOfSeat(1), nullptr);

  StartGameFromTheDialog(form, 1);
  const PlayerState& snake = form.model().Players[1];
  const auto poll = [&pads] { pads.Poll(); };
  poll();
  EXPECT_EQ(pads.pollInterval(), Gamepads::kPlayPollInterval);
  // A pad nobody took steers nobody.
  second.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  poll();
  EXPECT_EQ(snake.Direction, Direction::Right);

  first.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  poll();
  EXPECT_EQ(snake.Direction, Direction::Up);
  first.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
  first.Stick(-30'000, 10'000);
  poll();
  EXPECT_EQ(snake.Direction, Direction::Left);

  first.Button(SDL_CONTROLLER_BUTTON_START, true);
  poll();
  EXPECT_EQ(form.model().ScreenState, PauseScreen);
  poll();  // held, not pressed again
  EXPECT_EQ(pads.pollInterval(), Gamepads::kPausePollInterval);
  EXPECT_EQ(form.model().ScreenState, PauseScreen);
  first.Button(SDL_CONTROLLER_BUTTON_START, false);
  poll();
  first.Button(SDL_CONTROLLER_BUTTON_START, true);
  poll();
  ASSERT_EQ(form.model().ScreenState, BoardScreen);
  ASSERT_TRUE(form.TimerEnabled(GameTimer::Game));

  QString message;
  {
    const ModalAnswer readMessage([&message](QWidget& box) {
      if (auto* shown = qobject_cast<QMessageBox*>(&box)) message = shown->text();
    });
    first.Unplug();
    poll();
    EXPECT_EQ(readMessage.dialogsSeen(), 1);
  }
  EXPECT_EQ(form.model().ScreenState, PauseScreen);
  EXPECT_TRUE(form.model().Settings.Paused);
  EXPECT_EQ(message, QStringLiteral("Player 1 lost the gamepad \"First pad\"."));
  EXPECT_EQ(pads.pads().size(), 1u);
  EXPECT_EQ(padBox->currentText(), QStringLiteral("Unplugged"));

  // Plugged in again during the pause, it is player 1's again.
  VirtualPad again("First pad");
  poll();
  ASSERT_NE(pads.PadOfSeat(1), nullptr);
  EXPECT_EQ(pads.PadOfSeat(1)->name, QStringLiteral("First pad"));
  EXPECT_EQ(StoredAfterClosing().options.seatPads[0], pads.seatKinds()[0]);
}

}  // namespace
}  // namespace coilrun
