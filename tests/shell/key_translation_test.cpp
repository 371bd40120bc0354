#include "shell/key_translation.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/keys.h"
#include "tests/support/game_fixture.h"

namespace coilrun {
namespace {

std::optional<KeyDown> Translate(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
  const QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, QString(), autoRepeat);
  return TranslateKeyEvent(event);
}

std::optional<int> KeyOf(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const std::optional<KeyDown> keyDown = Translate(qtKey, modifiers);
  if (!keyDown) return std::nullopt;
  return keyDown->key;
}

TEST(KeyTranslationTest, CursorKeysGivePlayerOnesCodesAlsoFromTheKeypadWithoutNumLock) {
  for (const Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
    EXPECT_EQ(KeyOf(Qt::Key_Left, modifiers), VkLeft);
    EXPECT_EQ(KeyOf(Qt::Key_Up, modifiers), VkUp);
    EXPECT_EQ(KeyOf(Qt::Key_Right, modifiers), VkRight);
    EXPECT_EQ(KeyOf(Qt::Key_Down, modifiers), VkDown);
  }
}

TEST(KeyTranslationTest, KeypadDigitsGivePlayerFoursCodesAndTopRowDigitsDoNot) {
  EXPECT_EQ(KeyOf(Qt::Key_4, Qt::KeypadModifier), VkNumpad4);
  EXPECT_EQ(KeyOf(Qt::Key_8, Qt::KeypadModifier), VkNumpad8);
  EXPECT_EQ(KeyOf(Qt::Key_6, Qt::KeypadModifier), VkNumpad6);
  EXPECT_EQ(KeyOf(Qt::Key_5, Qt::KeypadModifier), VkNumpad5);
  EXPECT_EQ(KeyOf(Qt::Key_4), 0x34);
  EXPECT_EQ(KeyOf(Qt::Key_8), 0x38);
}

TEST(KeyTranslationTest, LettersGiveTheirCapitalCodesWhateverTheShiftState) {
  const std::pair<int, int> letters[] = {{Qt::Key_A, VkA}, {Qt::Key_W, VkW}, {Qt::Key_D, VkD},
                                         {Qt::Key_S, VkS}, {Qt::Key_J, VkJ}, {Qt::Key_I, VkI},
                                         {Qt::Key_L, VkL}, {Qt::Key_K, VkK}, {Qt::Key_P, VkP}};
  for (const auto& [qtKey, virtualKey] : letters) {
    EXPECT_EQ(KeyOf(qtKey), virtualKey);
    EXPECT_EQ(Translate(qtKey, Qt::ShiftModifier), (KeyDown{virtualKey, ShiftShift}));
  }
  EXPECT_EQ(KeyOf(Qt::Key_Pause), VkPause);
}

TEST(KeyTranslationTest, CtrlAloneIsToldApartFromCtrlWithOtherShiftKeys) {
  EXPECT_EQ(Translate(Qt::Key_F12, Qt::ControlModifier), (KeyDown{VkF12, ShiftCtrl}));
  EXPECT_EQ(Translate(Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier), (KeyDown{VkF12, ShiftCtrl | ShiftShift}));
  EXPECT_EQ(Translate(Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier), (KeyDown{VkF12, ShiftCtrl | ShiftAlt}));
  EXPECT_EQ(Translate(Qt::Key_F12), (KeyDown{VkF12, ShiftNone}));
  // The keypad flag is no shift key.
  EXPECT_EQ(Translate(Qt::Key_4, Qt::KeypadModifier | Qt::ControlModifier), (KeyDown{VkNumpad4, ShiftCtrl}));
}

TEST(KeyTranslationTest, RepeatsOfHeldPauseAndSkipLevelKeysAreDropped) {
  EXPECT_FALSE(Translate(Qt::Key_P, Qt::NoModifier, true));
  EXPECT_FALSE(Translate(Qt::Key_Pause, Qt::NoModifier, true));
  EXPECT_FALSE(Translate(Qt::Key_F12, Qt::ControlModifier, true));
  EXPECT_TRUE(Translate(Qt::Key_P));
  EXPECT_EQ(Translate(Qt::Key_Up, Qt::NoModifier, true), (KeyDown{VkUp, ShiftNone}));
}

// A snake on the board and the keys of one script: Qt key codes, with 0 for a
// beat of the game timer.
class HeldKeyRun : public testing::GameFixture {
 public:
  HeldKeyRun() { model.Settings.PlayerCount = 1; }
  void TestBody() override {}

  using GameFixture::model;
  using GameFixture::PlaceSnake;
  using GameFixture::view;

  void Play(const std::vector<int>& script, int repeatsPerKey) {
    for (const int qtKey : script) {
      if (qtKey == 0) {
        game.TimerTimer();
        continue;
      }
      for (int press = 0; press <= repeatsPerKey; ++press) {
        const std::optional<KeyDown> keyDown = Translate(qtKey, Qt::NoModifier, press > 0);
        if (keyDown) game.FormKeyDown(keyDown->key, keyDown->shift);
      }
    }
  }
};

TEST(HeldKeyTest, AutoRepeatOfASteeringKeyAddsNoStepsAndNoDrawing) {
  const std::vector<int> scripts[] = {
      {Qt::Key_Up, 0, 0, 0},                   // turn right after the level start
      {0, 0, Qt::Key_Up, Qt::Key_Left, 0, 0},  // the quick second turn steps at once
      {0, Qt::Key_Left, 0, Qt::Key_Right, 0},  // the opposite and the current direction
      {0, Qt::Key_Down, 0, Qt::Key_Right, Qt::Key_Up, 0},
  };
  for (const std::vector<int>& script : scripts) {
    HeldKeyRun pressed;
    HeldKeyRun held;
    for (HeldKeyRun* run : {&pressed, &held}) run->PlaceSnake(1, 9, 1, Direction::Right);
    pressed.Play(script, 0);
    held.Play(script, 25);

    const PlayerState& once = pressed.model.Players[1];
    const PlayerState& repeated = held.model.Players[1];
    EXPECT_EQ(repeated.BodyX, once.BodyX);
    EXPECT_EQ(repeated.BodyY, once.BodyY);
    EXPECT_EQ(repeated.Direction, once.Direction);
    EXPECT_EQ(repeated.Score, once.Score);
    EXPECT_EQ(held.view.calls, pressed.view.calls);
  }
}

}  // namespace
}  // namespace coilrun
