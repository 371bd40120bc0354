#include "shell/key_labels.h"

#include <QGuiApplication>

// Xlib's macros (None, KeyPress, Status...) would clash with Qt's names, so
// it comes after every Qt header.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

namespace coilrun {

namespace {

struct NamedKeysym {
  KeySym keysym;
  const char* label;
};

// Keys without a character, named as their keycaps usually are.
constexpr NamedKeysym kNamedKeysyms[] = {
    {XK_Left, "Left"},
    {XK_Up, "Up"},
    {XK_Right, "Right"},
    {XK_Down, "Down"},
    {XK_space, "Space"},
    {XK_Return, "Return"},
    {XK_Tab, "Tab"},
    {XK_BackSpace, "Backspace"},
    {XK_Escape, "Escape"},
    {XK_Shift_L, "Left Shift"},
    {XK_Shift_R, "Right Shift"},
    {XK_Control_L, "Left Ctrl"},
    {XK_Control_R, "Right Ctrl"},
    {XK_Alt_L, "Left Alt"},
    {XK_Alt_R, "Right Alt"},
    {XK_ISO_Level3_Shift, "AltGr"},
    {XK_Super_L, "Left Super"},
    {XK_Super_R, "Right Super"},
    {XK_Caps_Lock, "Caps Lock"},
    {XK_Num_Lock, "Num Lock"},
    {XK_Scroll_Lock, "Scroll Lock"},
    {XK_Prior, "Page Up"},
    {XK_Next, "Page Down"},
    {XK_Home, "Home"},
    {XK_End, "End"},
    {XK_Insert, "Insert"},
    {XK_Delete, "Delete"},
    {XK_Pause, "Pause"},
    {XK_Print, "Print"},
    {XK_Menu, "Menu"},
    {XK_KP_Enter, "Num Enter"},
};

bool IsKeypadKeysym(KeySym keysym) { return keysym >= XK_KP_Space && keysym <= XK_KP_Equal; }

QString CharacterOf(KeySym keysym) {
  const char32_t character = xkb_keysym_to_utf32(static_cast<xkb_keysym_t>(keysym));
  if (character <= U' ' || character == 0x7F) return {};
  return QString::fromUcs4(&character, 1).toUpper();
}

QString LabelOf(KeySym keysym, KeySym numLockKeysym) {
  if (keysym == NoSymbol) return {};
  for (const NamedKeysym& named : kNamedKeysyms) {
    if (named.keysym == keysym) return QString::fromLatin1(named.label);
  }
  if (IsKeypadKeysym(keysym) || IsKeypadKeysym(numLockKeysym)) {
    // The keypad's digit keys say on their caps what NumLock makes of them.
    const KeySym printed = numLockKeysym >= XK_KP_0 && numLockKeysym <= XK_KP_9 ? numLockKeysym : keysym;
    const QString character = CharacterOf(printed);
    if (!character.isEmpty()) return QStringLiteral("Num ") + character;
  }
  const QString character = CharacterOf(keysym);
  if (!character.isEmpty()) return character;
  char name[64] = {};
  if (xkb_keysym_get_name(static_cast<xkb_keysym_t>(keysym), name, sizeof name) <= 0) return {};
  return QString::fromLatin1(name).replace(QLatin1Char('_'), QLatin1Char(' '));
}

Display* X11Display() {
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 != nullptr ? x11->display() : nullptr;
}

}  // namespace

KeyLabels KeyLabels::UsKeyboard() {
  KeyLabels labels;
  for (int code = kFirstPhysicalKey; code <= kLastPhysicalKey; ++code)
    labels.labels_[code] = UsKeyLabel(code).value_or(QString());
  return labels;
}

KeyLabels KeyLabels::Current() {
  Display* display = X11Display();
  if (display == nullptr) return UsKeyboard();
  // The client's own copy of the key map is not kept up to date (Qt reads
  // the events that would refresh it), so the server's is asked for.
  XkbDescPtr keyboard = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
  XkbStateRec state{};
  if (keyboard == nullptr || XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
    if (keyboard != nullptr) XkbFreeKeyboard(keyboard, 0, True);
    return UsKeyboard();
  }
  KeyLabels labels;
  const int first = std::max<int>(keyboard->min_key_code, kFirstPhysicalKey);
  const int last = std::min<int>(keyboard->max_key_code, kLastPhysicalKey);
  for (int code = first; code <= last; ++code) {
    const int groups = XkbKeyNumGroups(keyboard, code);
    if (groups == 0) continue;
    const int group = state.group < groups ? state.group : 0;
    const int width = XkbKeyGroupWidth(keyboard, code, group);
    const KeySym plain = width > 0 ? XkbKeySymEntry(keyboard, code, 0, group) : NoSymbol;
    const KeySym shifted = width > 1 ? XkbKeySymEntry(keyboard, code, 1, group) : NoSymbol;
    labels.labels_[code] = LabelOf(plain, shifted);
  }
  XkbFreeKeyboard(keyboard, 0, True);
  return labels;
}

QString KeyLabels::Label(int code) const {
  if (code == 0) return QStringLiteral("none");
  if (!IsPhysicalKey(code)) return QStringLiteral("Key %1").arg(code);
  const QString& label = labels_[code];
  return label.isEmpty() ? QStringLiteral("Key %1").arg(code) : label;
}

}  // namespace coilrun
