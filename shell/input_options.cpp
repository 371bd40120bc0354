#include "shell/input_options.h"

#include <QStringList>
#include <set>

#include "shell/physical_keys.h"

namespace coilrun {

namespace {

constexpr char kPauseOnFocusLossName[] = "Input/PauseOnFocusLoss";
constexpr int kPadIdLength = 32;

QString SeatPadIniName(int player) { return QStringLiteral("Input/Player%1Pad").arg(player); }

bool IsPadId(const QString& text) {
  if (text.size() != kPadIdLength) return false;
  for (const QChar character : text) {
    if (!character.isDigit() && !(character.toLower() >= QLatin1Char('a') && character.toLower() <= QLatin1Char('f')))
      return false;
  }
  return true;
}

// A group of slots read and repaired together: one player's four keys, or
// the pause key.
struct SlotGroup {
  int first;
  int count;
  QString name;
};

std::array<SlotGroup, kMaxPlayers + 1> SlotGroups() {
  std::array<SlotGroup, kMaxPlayers + 1> groups;
  for (int player = 1; player <= kMaxPlayers; ++player)
    groups[player - 1] = {SteeringSlot(player, 0), kDirectionsPerPlayer, QStringLiteral("player %1").arg(player)};
  groups[kMaxPlayers] = {kPauseSlot, 1, QStringLiteral("the pause key")};
  return groups;
}

enum class KeyProblem { None, Missing, OutOfRange, UsedTwice };

const char* Why(KeyProblem problem) {
  switch (problem) {
    case KeyProblem::Missing: return "a key is missing";
    case KeyProblem::OutOfRange: return "a key is out of range";
    case KeyProblem::UsedTwice: return "a key is used twice";
    case KeyProblem::None: break;
  }
  return "";
}

}  // namespace

QString KeyIniName(int slot) {
  if (slot == kPauseSlot) return QStringLiteral("Keys/Pause");
  return QStringLiteral("Keys/Player%1%2").arg(PlayerOfSlot(slot)).arg(DirectionNameOfSlot(slot));
}

InputOptionsLoad LoadInputOptions(const CoilrunIni& ini) {
  InputOptionsLoad load;
  InputOptions& options = load.options;
  options.pauseOnFocusLoss = ini.Flag(QLatin1String(kPauseOnFocusLossName), true);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const QString pad = ini.Text(SeatPadIniName(player), QString()).trimmed();
    if (IsPadId(pad)) options.seatPads[player - 1] = pad.toLower();
  }

  std::array<int, kKeySlots> stored{};
  std::array<KeyProblem, kKeySlots> problems{};
  bool anyStored = false;
  for (int slot = 0; slot < kKeySlots; ++slot) {
    const QString text = ini.Text(KeyIniName(slot), QString());
    if (text.isNull()) {
      problems[slot] = KeyProblem::Missing;
      continue;
    }
    anyStored = true;
    bool number = false;
    stored[slot] = text.trimmed().toInt(&number);
    if (!number || (stored[slot] != 0 && !IsPhysicalKey(stored[slot]))) problems[slot] = KeyProblem::OutOfRange;
  }
  if (!anyStored) return load;

  // Groups are taken in order, each against the keys already taken: of two
  // players on one key, the later one gets the default keys back.
  const KeyBindings defaults = KeyBindings::Defaults();
  KeyBindings taken;
  std::set<int> used;
  QStringList reports;
  bool allDefaults = false;
  for (const SlotGroup& group : SlotGroups()) {
    KeyProblem problem = KeyProblem::None;
    std::set<int> groupKeys;
    for (int slot = group.first; slot < group.first + group.count && problem == KeyProblem::None; ++slot) {
      if (problems[slot] != KeyProblem::None) {
        problem = problems[slot];
      } else if (stored[slot] != 0 && (used.contains(stored[slot]) || !groupKeys.insert(stored[slot]).second)) {
        problem = KeyProblem::UsedTwice;
      }
    }
    const KeyBindings& source = problem == KeyProblem::None ? KeyBindings{stored} : defaults;
    if (problem != KeyProblem::None) reports << group.name + QStringLiteral(": ") + QLatin1String(Why(problem));
    for (int slot = group.first; slot < group.first + group.count; ++slot) {
      const int key = source.keys[slot];
      // A player's default keys can be another's chosen ones.
      if (key != 0 && used.contains(key)) allDefaults = true;
      used.insert(key);
      taken.keys[slot] = key;
    }
    if (allDefaults) break;
  }
  options.keys = allDefaults ? defaults : taken;
  if (!reports.isEmpty()) {
    const QString fileName = QString::fromStdString(ini.file().filename().string());
    load.failure = FileError(QStringLiteral("The file \"%1\" holds keys that cannot be used (%2); %3.")
                                 .arg(fileName, reports.join(QStringLiteral("; ")),
                                      allDefaults ? QStringLiteral("every player has the default keys again")
                                                  : QStringLiteral("those keys are the default ones again"))
                                 .toStdString());
  }
  return load;
}

void StoreInputOptions(const InputOptions& options, CoilrunIni& ini) {
  const KeyBindings defaults = KeyBindings::Defaults();
  bool whole = options.keys != defaults;
  for (int slot = 0; slot < kKeySlots && !whole; ++slot) whole = !ini.Text(KeyIniName(slot), QString()).isNull();
  for (int slot = 0; slot < kKeySlots; ++slot)
    ini.Set(KeyIniName(slot), options.keys.keys[slot], whole ? QVariant() : QVariant(defaults.keys[slot]));
  ini.Set(QLatin1String(kPauseOnFocusLossName), options.pauseOnFocusLoss, true);
  for (int player = 1; player <= kMaxPlayers; ++player)
    ini.Set(SeatPadIniName(player), options.seatPads[player - 1], QString());
}

}  // namespace coilrun
