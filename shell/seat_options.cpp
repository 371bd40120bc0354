#include "shell/seat_options.h"

namespace coilrun {

namespace {

const QString kHuman = QStringLiteral("Human");
const QString kComputer = QStringLiteral("Computer");

QString KindKey(int player) { return QStringLiteral("Seats/Player%1").arg(player); }
QString SkillKey(int player) { return QStringLiteral("Seats/Skill%1").arg(player); }

}  // namespace

Seats SeatOptions::Read() const {
  Seats seats;
  const Seat byDefault;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    Seat& seat = seats.seat[player];
    const QString kind = ini_.Text(KindKey(player), kHuman).trimmed();
    seat.kind = kind.compare(kComputer, Qt::CaseInsensitive) == 0 ? SeatKind::Computer : SeatKind::Human;
    seat.skill = SkillOfNumber(ini_.Integer(SkillKey(player), NumberOfSkill(byDefault.skill), 1, kSkillCount));
  }
  return seats;
}

void SeatOptions::Write(const Seats& seats) {
  const Seat byDefault;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const Seat& seat = seats.seat[player];
    ini_.Set(KindKey(player), seat.kind == SeatKind::Computer ? kComputer : kHuman, kHuman);
    ini_.Set(SkillKey(player), NumberOfSkill(seat.skill), NumberOfSkill(byDefault.skill));
  }
}

}  // namespace coilrun
