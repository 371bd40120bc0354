#include "shell/physical_keys.h"

#include <algorithm>
#include <iterator>

#include "engine/keys.h"
#include "shell/key_translation.h"

namespace coilrun {

namespace {

struct UsKey {
  int code;
  // The game's code for the key, 0 where the game has none.
  int virtualKey;
  const char* label;
};

// XKB key codes of a US keyboard (pc105).
constexpr UsKey kUsKeys[] = {
    {9, 0, "Escape"},
    {10, 0x31, "1"},
    {11, 0x32, "2"},
    {12, 0x33, "3"},
    {13, 0x34, "4"},
    {14, 0x35, "5"},
    {15, 0x36, "6"},
    {16, 0x37, "7"},
    {17, 0x38, "8"},
    {18, 0x39, "9"},
    {19, 0x30, "0"},
    {20, 0, "-"},
    {21, 0, "="},
    {22, 0, "Backspace"},
    {23, 0, "Tab"},
    {24, 0x51, "Q"},
    {25, VkW, "W"},
    {26, 0x45, "E"},
    {27, 0x52, "R"},
    {28, 0x54, "T"},
    {29, 0x59, "Y"},
    {30, 0x55, "U"},
    {31, VkI, "I"},
    {32, 0x4F, "O"},
    {33, VkP, "P"},
    {34, 0, "["},
    {35, 0, "]"},
    {36, 0, "Return"},
    {37, 0, "Left Ctrl"},
    {38, VkA, "A"},
    {39, VkS, "S"},
    {40, VkD, "D"},
    {41, 0x46, "F"},
    {42, 0x47, "G"},
    {43, 0x48, "H"},
    {44, VkJ, "J"},
    {45, VkK, "K"},
    {46, VkL, "L"},
    {47, 0, ";"},
    {48, 0, "'"},
    {49, 0, "`"},
    {50, 0, "Left Shift"},
    {51, 0, "\\"},
    {52, 0x5A, "Z"},
    {53, 0x58, "X"},
    {54, 0x43, "C"},
    {55, 0x56, "V"},
    {56, 0x42, "B"},
    {57, 0x4E, "N"},
    {58, 0x4D, "M"},
    {59, 0, ","},
    {60, 0, "."},
    {61, 0, "/"},
    {62, 0, "Right Shift"},
    {63, 0, "Num *"},
    {64, 0, "Left Alt"},
    {65, 0, "Space"},
    {66, 0, "Caps Lock"},
    {67, 0x70, "F1"},
    {68, 0x71, "F2"},
    {69, 0x72, "F3"},
    {70, 0x73, "F4"},
    {71, 0x74, "F5"},
    {72, 0x75, "F6"},
    {73, 0x76, "F7"},
    {74, 0x77, "F8"},
    {75, 0x78, "F9"},
    {76, 0x79, "F10"},
    {77, 0, "Num Lock"},
    {78, 0, "Scroll Lock"},
    {79, 0x67, "Num 7"},
    {80, VkNumpad8, "Num 8"},
    {81, 0x69, "Num 9"},
    {82, 0, "Num -"},
    {83, VkNumpad4, "Num 4"},
    {84, VkNumpad5, "Num 5"},
    {85, VkNumpad6, "Num 6"},
    {86, 0, "Num +"},
    {87, 0x61, "Num 1"},
    {88, 0x62, "Num 2"},
    {89, 0x63, "Num 3"},
    {90, 0x60, "Num 0"},
    {91, 0, "Num ."},
    {94, 0, "<"},
    {95, 0x7A, "F11"},
    {96, VkF12, "F12"},
    {104, 0, "Num Enter"},
    {105, 0, "Right Ctrl"},
    {106, 0, "Num /"},
    {107, 0, "Print"},
    {108, 0, "Right Alt"},
    {110, 0, "Home"},
    {111, VkUp, "Up"},
    {112, 0, "Page Up"},
    {113, VkLeft, "Left"},
    {114, VkRight, "Right"},
    {115, 0, "End"},
    {116, VkDown, "Down"},
    {117, 0, "Page Down"},
    {118, 0, "Insert"},
    {119, 0, "Delete"},
    {127, VkPause, "Pause"},
    {133, 0, "Left Super"},
    {134, 0, "Right Super"},
    {135, 0, "Menu"},
};

const UsKey* FindUsKey(int code) {
  const auto* found =
      std::find_if(std::begin(kUsKeys), std::end(kUsKeys), [code](const UsKey& key) { return key.code == code; });
  return found == std::end(kUsKeys) ? nullptr : found;
}

// The cursor block's key for a keypad key that NumLock leaves as a cursor
// key; nullopt for the middle key, which then is no key at all.
std::optional<int> CursorBlockKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return 113;
    case Qt::Key_Up: return 111;
    case Qt::Key_Right: return 114;
    case Qt::Key_Down: return 116;
    case Qt::Key_Home: return 110;
    case Qt::Key_End: return 115;
    case Qt::Key_PageUp: return 112;
    case Qt::Key_PageDown: return 117;
    case Qt::Key_Insert: return 118;
    case Qt::Key_Delete: return 119;
    default: return std::nullopt;
  }
}

bool IsCursorKeyOfTheKeypad(const QKeyEvent& event) {
  if (!event.modifiers().testFlag(Qt::KeypadModifier)) return false;
  switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Clear: return true;
    default: return false;
  }
}

}  // namespace

bool IsPhysicalKey(int code) { return code >= kFirstPhysicalKey && code <= kLastPhysicalKey; }

std::optional<int> UsPhysicalKeyOf(int virtualKey) {
  if (virtualKey == 0) return std::nullopt;
  const auto* found = std::find_if(std::begin(kUsKeys), std::end(kUsKeys),
                                   [virtualKey](const UsKey& key) { return key.virtualKey == virtualKey; });
  if (found == std::end(kUsKeys)) return std::nullopt;
  return found->code;
}

std::optional<QString> UsKeyLabel(int code) {
  const UsKey* key = FindUsKey(code);
  if (key == nullptr) return std::nullopt;
  return QString::fromLatin1(key->label);
}

bool IsKeypadDigitKey(int code) {
  return (code >= 79 && code <= 81) || (code >= 83 && code <= 85) || (code >= 87 && code <= 90);
}

std::optional<int> PhysicalKeyOf(const QKeyEvent& event) {
  if (IsCursorKeyOfTheKeypad(event)) return CursorBlockKeyOf(event.key());
  const int code = static_cast<int>(event.nativeScanCode());
  if (IsPhysicalKey(code)) return code;
  if (const std::optional<int> virtualKey = VirtualKeyOf(event)) return UsPhysicalKeyOf(*virtualKey);
  return std::nullopt;
}

}  // namespace coilrun
