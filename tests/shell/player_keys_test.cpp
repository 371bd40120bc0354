#include <gtest/gtest.h>

#include <QKeyEvent>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/keys.h"
#include "shell/input_options.h"
#include "shell/key_router.h"
#include "shell/keys_help_texts.h"
#include "tests/support/temp_directory.h"

namespace coilrun {
namespace {

struct Press {
  int qtKey;
  int scanCode;  // 0: an event made by a program, with no scan code
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

std::optional<KeyDown> Route(KeyRouter& router, const Press& press, bool autoRepeat = false) {
  const QKeyEvent event(QEvent::KeyPress, press.qtKey, press.modifiers, static_cast<quint32>(press.scanCode), 0, 0,
                        QString(), autoRepeat);
  return router.KeyPressed(event);
}

std::optional<int> GameKeyOf(KeyRouter& router, const Press& press) {
  const std::optional<KeyDown> keyDown = Route(router, press);
  if (!keyDown) return std::nullopt;
  return keyDown->key;
}

TEST(KeyRouterTest, TheDefaultKeysReachTheGameAsTheirOwnCodesWithOrWithoutAScanCode) {
  const struct {
    Press press;
    std::optional<int> gameKey;
  } cases[] = {
      {{Qt::Key_Left, 113}, VkLeft},
      {{Qt::Key_Up, 111}, VkUp},
      {{Qt::Key_Right, 114}, VkRight},
      {{Qt::Key_Down, 116}, VkDown},
      {{Qt::Key_A, 38}, VkA},
      {{Qt::Key_W, 25}, VkW},
      {{Qt::Key_D, 40}, VkD},
      {{Qt::Key_S, 39}, VkS},
      {{Qt::Key_J, 44}, VkJ},
      {{Qt::Key_I, 31}, VkI},
      {{Qt::Key_L, 46}, VkL},
      {{Qt::Key_K, 45}, VkK},
      {{Qt::Key_4, 83, Qt::KeypadModifier}, VkNumpad4},
      {{Qt::Key_8, 80, Qt::KeypadModifier}, VkNumpad8},
      {{Qt::Key_6, 85, Qt::KeypadModifier}, VkNumpad6},
      {{Qt::Key_5, 84, Qt::KeypadModifier}, VkNumpad5},
      {{Qt::Key_P, 33}, VkP},
      {{Qt::Key_Pause, 127}, VkPause},
      {{Qt::Key_F12, 96, Qt::ControlModifier}, VkF12},
      // With NumLock off the keypad is a second set of cursor keys, and its
      // middle key is no key at all.
      {{Qt::Key_Left, 83, Qt::KeypadModifier}, VkLeft},
      {{Qt::Key_Up, 80, Qt::KeypadModifier}, VkUp},
      {{Qt::Key_Clear, 84, Qt::KeypadModifier}, std::nullopt},
      // Keys of no player mean nothing to the game.
      {{Qt::Key_4, 13}, std::nullopt},
      {{Qt::Key_Q, 24}, std::nullopt},
      {{Qt::Key_Space, 65}, std::nullopt},
  };
  KeyRouter router;
  for (const auto& [press, gameKey] : cases) {
    EXPECT_EQ(GameKeyOf(router, press), gameKey) << press.qtKey << " scan code " << press.scanCode;
    EXPECT_EQ(GameKeyOf(router, {press.qtKey, 0, press.modifiers}), gameKey) << press.qtKey << " without scan code";
  }
  EXPECT_EQ(Route(router, {Qt::Key_F12, 96, Qt::ControlModifier})->shift, ShiftCtrl);
  EXPECT_EQ(Route(router, {Qt::Key_A, 38, Qt::ShiftModifier})->shift, ShiftShift);
}

TEST(KeyRouterTest, KeysSteerByWhereTheyAreWhateverTheLayoutPrintsOnThem) {
  KeyRouter router;
  // French: the key where a US keyboard has A prints Q, and A sits where Q
  // is; Russian: Cyrillic letters only.
  const struct {
    Press press;
    std::optional<int> gameKey;
  } defaults[] = {
      {{Qt::Key_Q, 38}, VkA}, {{Qt::Key_A, 24}, std::nullopt},
      {{Qt::Key_Z, 25}, VkW}, {{Qt::Key_W, 52}, std::nullopt},
      {{0x424, 38}, VkA},     {{0x417, 33}, VkP},
  };
  for (const auto& [press, gameKey] : defaults) EXPECT_EQ(GameKeyOf(router, press), gameKey) << press.qtKey;

  // Player 1's Up on the key a US keyboard prints Z and a German one Y;
  // player 2's Left from A to Q.
  KeyBindings keys = KeyBindings::Defaults();
  keys.keys[SteeringSlot(1, 1)] = 52;
  keys.keys[SteeringSlot(2, 0)] = 24;
  router.SetBindings(keys);
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_Z, 52}), VkUp);
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_Y, 52}), VkUp);
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_Up, 111}), std::nullopt);
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_Q, 24}), VkA);
  // A, the game's own code for player 2's Left, no longer steers.
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_A, 38}), std::nullopt);
  EXPECT_EQ(GameKeyOf(router, {Qt::Key_A, 0}), std::nullopt);
}

TEST(KeyRouterTest, RepeatsKeepTheirRulesAndAKeyHeldWhenTheFocusWentRepeatsNothing) {
  KeyRouter router;
  EXPECT_FALSE(Route(router, {Qt::Key_P, 33}, true));
  EXPECT_FALSE(Route(router, {Qt::Key_Pause, 127}, true));
  EXPECT_FALSE(Route(router, {Qt::Key_F12, 96, Qt::ControlModifier}, true));

  ASSERT_TRUE(Route(router, {Qt::Key_W, 25}));
  EXPECT_TRUE(Route(router, {Qt::Key_W, 25}, true));
  router.ForgetHeldKeys();
  EXPECT_FALSE(Route(router, {Qt::Key_W, 25}, true));
  // Released and pressed again, it is a key like any other.
  router.KeyReleased(QKeyEvent(QEvent::KeyRelease, Qt::Key_W, Qt::NoModifier, 25, 0, 0));
  ASSERT_TRUE(Route(router, {Qt::Key_W, 25}));
  EXPECT_TRUE(Route(router, {Qt::Key_W, 25}, true));
}

class InputOptionsTest : public ::testing::Test {
 protected:
  // coilrun.ini with these lines under [Keys], the rest being the defaults.
  // Each in a directory of its own: QSettings keeps what it read of a file
  // and may take a rewritten one of the same size and time for the same.
  InputOptionsLoad LoadKeys(const std::vector<std::pair<int, std::string>>& changed) {
    const std::filesystem::path own = directory / std::to_string(++files);
    std::filesystem::create_directory(own);
    file = own / kCoilrunIniName;
    std::ofstream text(file, std::ios::binary | std::ios::trunc);
    text << "[Keys]\n";
    const KeyBindings defaults = KeyBindings::Defaults();
    for (int slot = 0; slot < kKeySlots; ++slot) {
      std::optional<std::string> value = std::to_string(defaults.keys[slot]);
      for (const auto& [changedSlot, changedValue] : changed) {
        if (changedSlot == slot) value = changedValue == "missing" ? std::nullopt : std::optional(changedValue);
      }
      const std::string name = KeyIniName(slot).mid(5).toStdString();
      if (value) text << name << '=' << *value << '\n';
    }
    text.close();
    CoilrunIni ini(file);
    EXPECT_FALSE(ini.Load());
    return LoadInputOptions(ini);
  }

  testing::TempDirectory directory{"input-options"};
  std::filesystem::path file = directory / kCoilrunIniName;
  int files = 0;
};

TEST_F(InputOptionsTest, APlayerWithKeysOutOfRangeMissingOrUsedTwiceGetsTheDefaultsAndOneMessage) {
  const KeyBindings defaults = KeyBindings::Defaults();
  const int player1Up = SteeringSlot(1, 1);
  const int player2Up = SteeringSlot(2, 1);
  const int player3Left = SteeringSlot(3, 0);
  const int player4Up = SteeringSlot(4, 1);
  const struct {
    const char* what;
    std::vector<std::pair<int, std::string>> changed;
    // The slots that keep the file's value; every other slot is the default.
    std::vector<int> kept;
    const char* reported;  // nullptr: no message
  } cases[] = {
      {"chosen keys and cleared ones",
       {{player1Up, "52"}, {player2Up, "0"}, {player4Up, " 0 "}},
       {player1Up, player2Up, player4Up},
       nullptr},
      {"out of range", {{player1Up, "52"}, {player2Up, "300"}}, {player1Up}, "player 2: a key is out of range"},
      {"no number", {{player2Up, "W"}}, {}, "player 2: a key is out of range"},
      {"below the range", {{player2Up, "-25"}}, {}, "player 2: a key is out of range"},
      {"missing", {{player1Up, "52"}, {player3Left, "missing"}}, {player1Up}, "player 3: a key is missing"},
      {"twice in a player", {{player4Up, "83"}}, {}, "player 4: a key is used twice"},
      {"the pause key on a player's", {{kPauseSlot, "38"}}, {}, "the pause key: a key is used twice"},
      // Player 1 takes A; player 2 cannot keep it and gets the default A,
      // which is player 1's now: every player has the defaults again.
      {"a default taken by another", {{player1Up, "38"}}, {}, "every player has the default keys again"},
  };
  for (const auto& test : cases) {
    const InputOptionsLoad loaded = LoadKeys(test.changed);
    for (int slot = 0; slot < kKeySlots; ++slot) {
      int expected = defaults.keys[slot];
      for (const auto& [changedSlot, value] : test.changed) {
        if (changedSlot == slot && std::find(test.kept.begin(), test.kept.end(), slot) != test.kept.end())
          expected = std::stoi(value);
      }
      EXPECT_EQ(loaded.options.keys.keys[slot], expected) << test.what << ", slot " << slot;
    }
    if (test.reported == nullptr) {
      EXPECT_FALSE(loaded.failure) << test.what;
    } else {
      ASSERT_TRUE(loaded.failure) << test.what;
      EXPECT_NE(loaded.failure->text().find(test.reported), std::string::npos) << loaded.failure->text();
      EXPECT_NE(loaded.failure->text().find("coilrun.ini"), std::string::npos);
    }
  }
}

TEST_F(InputOptionsTest, UntouchedOptionsWriteNothingAndOneChangedKeyWritesThemAllRepaired) {
  {
    CoilrunIni ini(file);
    ASSERT_FALSE(ini.Load());
    StoreInputOptions(InputOptions{}, ini);
    ASSERT_FALSE(ini.Save());
    EXPECT_FALSE(std::filesystem::exists(file));

    InputOptions options;
    options.keys.keys[SteeringSlot(3, 2)] = 0;
    options.pauseOnFocusLoss = false;
    options.seatPads[1] = "0300000000000000000000000000ab00";
    StoreInputOptions(options, ini);
    ASSERT_FALSE(ini.Save());
    CoilrunIni again(file);
    ASSERT_FALSE(again.Load());
    const InputOptionsLoad reloaded = LoadInputOptions(again);
    EXPECT_FALSE(reloaded.failure);
    EXPECT_EQ(reloaded.options, options);
  }
  // A damaged player comes back repaired once stored, and then says nothing.
  ASSERT_TRUE(LoadKeys({{SteeringSlot(2, 1), "999"}}).failure);
  CoilrunIni ini(file);
  ASSERT_FALSE(ini.Load());
  StoreInputOptions(LoadInputOptions(ini).options, ini);
  ASSERT_FALSE(ini.Save());
  CoilrunIni again(file);
  ASSERT_FALSE(again.Load());
  const InputOptionsLoad repaired = LoadInputOptions(again);
  EXPECT_FALSE(repaired.failure);
  EXPECT_EQ(repaired.options.keys, KeyBindings::Defaults());
}

TEST(KeysHelpTextsTest, TheDefaultKeysReadAsTheyAlwaysDidAndOthersByTheirLabels) {
  EXPECT_EQ(KeysHelpTexts(KeyBindings::Defaults(), KeyLabels::UsKeyboard()), DefaultKeysPageTexts());

  KeyBindings keys = KeyBindings::Defaults();
  keys.keys[SteeringSlot(1, 1)] = 52;  // Z
  keys.keys[SteeringSlot(4, 3)] = 0;
  keys.keys[kPauseSlot] = 65;
  const KeysPageTexts texts = KeysHelpTexts(keys, KeyLabels::UsKeyboard());
  EXPECT_EQ(texts.players[0].heading, QStringLiteral("Player 1"));
  EXPECT_EQ(texts.players[0].lines, (QStringList{QStringLiteral("Left - Left"), QStringLiteral("Z - Up"),
                                                 QStringLiteral("Down - Down"), QStringLiteral("Right - Right")}));
  // One key short of the keypad's four, player 4 is no longer "NumLock".
  EXPECT_EQ(texts.players[3].heading, QStringLiteral("Player 4"));
  EXPECT_EQ(texts.players[3].lines[2], QStringLiteral("none - Down"));
  EXPECT_EQ(texts.players[1], DefaultKeysPageTexts().players[1]);
  EXPECT_EQ(texts.pauseLine, QStringLiteral("Space - Pause"));
}

}  // namespace
}  // namespace coilrun
