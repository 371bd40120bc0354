#include "shell/seats_group.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "shell/dialog_parts.h"

namespace coilrun {

namespace {

// The kinds in the order of SeatKind.
const char* const kKindNames[] = {"Human", "Computer"};

}  // namespace

SeatsGroup::SeatsGroup(QWidget* parent) : QGroupBox(QStringLiteral(" Seats "), parent) {
  setObjectName(QStringLiteral("SeatsGroup"));
  auto* grid = new QGridLayout(this);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    Row& row = rows_[player];
    const QByteArray number = QByteArray::number(player);
    // The digits are no other control's access key.
    row.label = Named<QLabel>(("SeatLabel" + number).constData(), QStringLiteral("Player &%1").arg(player));
    row.kind = Named<QComboBox>(("SeatKind" + number).constData());
    for (const char* kind : kKindNames) row.kind->addItem(QLatin1String(kind));
    row.skill = Named<QComboBox>(("SeatSkill" + number).constData());
    for (const Skill skill : kSkills) {
      row.skill->addItem(QString::fromLatin1(SkillName(skill).data(), static_cast<qsizetype>(SkillName(skill).size())));
    }
    row.skill->setCurrentIndex(static_cast<int>(Seat{}.skill));
    row.label->setBuddy(row.kind);
    grid->addWidget(row.label, player - 1, 0);
    grid->addWidget(row.kind, player - 1, 1);
    grid->addWidget(row.skill, player - 1, 2);
    connect(row.kind, &QComboBox::currentIndexChanged, this, &SeatsGroup::EnableRows);
  }
  EnableRows();
}

Seats SeatsGroup::seats() const {
  Seats seats;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    seats.seat[player] = {static_cast<SeatKind>(rows_[player].kind->currentIndex()),
                          kSkills[rows_[player].skill->currentIndex()]};
  }
  return seats;
}

void SeatsGroup::SetSeats(const Seats& seats) {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    rows_[player].kind->setCurrentIndex(static_cast<int>(seats.seat[player].kind));
    rows_[player].skill->setCurrentIndex(static_cast<int>(seats.seat[player].skill));
  }
}

void SeatsGroup::ShowPlayerCount(int count) {
  playerCount_ = count;
  EnableRows();
}

std::vector<QWidget*> SeatsGroup::TabOrder() const {
  std::vector<QWidget*> order;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    order.push_back(rows_[player].kind);
    order.push_back(rows_[player].skill);
  }
  return order;
}

void SeatsGroup::EnableRows() {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const Row& row = rows_[player];
    const bool playing = player <= playerCount_;
    row.label->setEnabled(playing);
    row.kind->setEnabled(playing);
    row.skill->setEnabled(playing && row.kind->currentIndex() == static_cast<int>(SeatKind::Computer));
  }
}

}  // namespace coilrun
