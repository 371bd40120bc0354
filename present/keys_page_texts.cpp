#include "present/keys_page_texts.h"

namespace coilrun {

KeysPageTexts DefaultKeysPageTexts() {
  const auto lines = [](const char* left, const char* up, const char* down, const char* right) {
    return QStringList{QString::fromLatin1(left), QString::fromLatin1(up), QString::fromLatin1(down),
                       QString::fromLatin1(right)};
  };
  KeysPageTexts texts;
  texts.players[0] = {QStringLiteral("Player 1"), {QStringLiteral("Cursors")}};
  texts.players[1] = {QStringLiteral("Player 2"), lines("A - Left", "W - Up", "S - Down", "D - Right")};
  texts.players[2] = {QStringLiteral("Player 3"), lines("J - Left", "I - Up", "K - Down", "L - Right")};
  texts.players[3] = {QStringLiteral("Player 4 - NumLock"), lines("4 - Left", "8 - Up", "5 - Down", "6 - Right")};
  return texts;
}

}  // namespace coilrun
