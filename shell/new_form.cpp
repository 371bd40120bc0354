#include "shell/new_form.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "game/game.h"
#include "shell/dialog_parts.h"
#include "shell/seats_group.h"

namespace coilrun {

namespace {

// A chosen file's name longer than this shows its first characters and "...".
constexpr qsizetype kWholeCaptionLength = 15;
constexpr qsizetype kCutCaptionLength = 14;
// Room on the Open button for a cut name, in average characters.
constexpr int kOpenButtonCharacters = 20;

bool FileExists(const QString& name) { return QFileInfo(name).isFile(); }

// Counted in characters, so that one outside the basic plane is never split.
QString CaptionAfterChoice(const QString& path) {
  const QList<uint> name = QFileInfo(path).fileName().toUcs4();
  const auto first = [&name](qsizetype count) {
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(name.data()), count);
  };
  if (name.size() > kWholeCaptionLength) return first(kCutCaptionLength) + QStringLiteral("...");
  return first(name.size());
}

// Deselects the button and selects it again, so that its click handler runs
// also when it was selected already.
void Reselect(QRadioButton* button) {
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
  button->setChecked(true);
}

}  // namespace

NewForm::NewForm(Game& game, LevelFileChooser chooseLevelFile, QWidget* parent)
    : QDialog(parent), game_(game), chooseLevelFile_(std::move(chooseLevelFile)) {
  setObjectName(QStringLiteral("NewForm"));
  setWindowTitle(QStringLiteral("New game"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  firstSettings_ = game_.model().Settings;
  // The last level file is looked for now, as the dialog is created.
  const QString lastLevelFile = QFile::decodeName(QByteArray::fromStdString(firstSettings_.LevelFileName));
  if (FileExists(lastLevelFile)) chosenLevelFile_ = lastLevelFile;
}

void NewForm::setVisible(bool visible) {
  if (visible) BuildControls();
  QDialog::setVisible(visible);
}

void NewForm::BuildControls() {
  if (typeGroup_ != nullptr) return;
  LayOut();
  ConnectHandlers();
  FormCreate(firstSettings_);
  if (firstSeats_) seatsGroup_->SetSeats(*firstSeats_);
}

// The controls in their initial states; the handlers are connected after, so
// that these states are set without running them.
void NewForm::LayOut() {
  typeGroup_ = Named<QGroupBox>("TypeGroup", QStringLiteral(" Type "));
  normalRadio_ = Named<QRadioButton>("Normal1", QStringLiteral("&Normal"));
  normalRadio_->setChecked(true);
  competitionRadio_ = Named<QRadioButton>("Competition1", QStringLiteral("&Competition"));
  winLabel_ = Named<QLabel>("WinLabel", QStringLiteral("Win"));
  winLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  winsEdit_ = Named<QSpinBox>("WinsEdit1");
  winsEdit_->setRange(1, kMaxWinsTarget);
  winsEdit_->setValue(1);
  gamesLabel_ = Named<QLabel>("GamesLabel", QStringLiteral("games"));
  auto* type = new QGridLayout(typeGroup_);
  type->addWidget(normalRadio_, 0, 0);
  type->addWidget(competitionRadio_, 1, 0);
  // The line reads as a phrase: Win, the number, games.
  type->addWidget(winLabel_, 1, 1);
  type->addWidget(winsEdit_, 1, 2);
  type->addWidget(gamesLabel_, 1, 3);
  type->setColumnStretch(4, 1);

  levelsGroup_ = Named<QGroupBox>("LevelsGroup", QStringLiteral(" Levels "));
  builtInRadio_ = Named<QRadioButton>("BuiltIn1", QStringLiteral("&Built in exe"));
  builtInRadio_->setChecked(true);
  externalRadio_ = Named<QRadioButton>("External1", QStringLiteral("&External "));
  openButton_ = Named<QPushButton>("OpenButton", QStringLiteral("O&pen"));
  openButton_->setEnabled(false);
  // Room for a cut file name, so that choosing one does not resize the
  // dialog; a name shown whole widens it.
  openButton_->setMinimumWidth(openButton_->fontMetrics().averageCharWidth() * kOpenButtonCharacters);
  auto* levels = new QGridLayout(levelsGroup_);
  levels->addWidget(builtInRadio_, 0, 0);
  levels->addWidget(externalRadio_, 1, 0);
  levels->addWidget(openButton_, 1, 1);

  playersGroup_ = Named<QGroupBox>("PlayersGroup", QStringLiteral(" Players "));
  onePlayerRadio_ = Named<QRadioButton>("OnePlayer1", QStringLiteral("&One player"));
  onePlayerRadio_->setChecked(true);
  twoPlayersRadio_ = Named<QRadioButton>("TwoPlayers1", QStringLiteral("&Two players"));
  threePlayersRadio_ = Named<QRadioButton>("ThreePlayers1", QStringLiteral("T&hree players"));
  fourPlayersRadio_ = Named<QRadioButton>("FourPlayers1", QStringLiteral("&Four players"));
  playerButtons_ = {onePlayerRadio_, twoPlayersRadio_, threePlayersRadio_, fourPlayersRadio_};
  auto* players = new QGridLayout(playersGroup_);
  players->addWidget(onePlayerRadio_, 0, 0);
  players->addWidget(twoPlayersRadio_, 1, 0);
  players->addWidget(threePlayersRadio_, 0, 1);
  players->addWidget(fourPlayersRadio_, 1, 1);

  startButton_ = Named<QPushButton>("StartButton", QStringLiteral("&Start"));
  startButton_->setDefault(true);
  cancelButton_ = Named<QPushButton>("CancelButton", QStringLiteral("C&ancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(startButton_);
  buttons->addWidget(cancelButton_);
  buttons->addStretch();

  auto* form = new QVBoxLayout(this);
  form->setSizeConstraint(QLayout::SetFixedSize);
  form->addWidget(typeGroup_);
  form->addWidget(levelsGroup_);
  form->addWidget(playersGroup_);
  seatsGroup_ = new SeatsGroup;
  form->addWidget(seatsGroup_);
  form->addLayout(buttons);

  std::vector<QWidget*> tabOrder = {startButton_,       cancelButton_,     onePlayerRadio_,   twoPlayersRadio_,
                                    threePlayersRadio_, fourPlayersRadio_, builtInRadio_,     externalRadio_,
                                    openButton_,        normalRadio_,      competitionRadio_, winsEdit_};
  for (QWidget* seatControl : seatsGroup_->TabOrder()) tabOrder.push_back(seatControl);
  for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
  startButton_->setFocus();
}

// A radio button's handler runs whenever it becomes selected, by the player
// or by the program.
void NewForm::ConnectHandlers() {
  const auto onSelected = [this](QRadioButton* button, void (NewForm::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
      if (selected) (this->*handler)();
    });
  };
  onSelected(normalRadio_, &NewForm::Normal1Click);
  onSelected(competitionRadio_, &NewForm::Competition1Click);
  onSelected(onePlayerRadio_, &NewForm::OnePlayer1Click);
  onSelected(twoPlayersRadio_, &NewForm::MorePlayersClick);
  onSelected(threePlayersRadio_, &NewForm::MorePlayersClick);
  onSelected(fourPlayersRadio_, &NewForm::MorePlayersClick);
  onSelected(builtInRadio_, &NewForm::BuiltIn1Click);
  onSelected(externalRadio_, &NewForm::External1Click);
  for (int count = 1; count <= kMaxPlayers; ++count) {
    connect(playerButtons_[count - 1], &QRadioButton::toggled, this, [this, count](bool selected) {
      if (selected) seatsGroup_->ShowPlayerCount(count);
    });
  }
  connect(openButton_, &QPushButton::clicked, this, &NewForm::OpenButtonClick);
  connect(startButton_, &QPushButton::clicked, this, &NewForm::StartButtonClick);
  connect(cancelButton_, &QPushButton::clicked, this, &NewForm::CancelButtonClick);
}

// The player count comes last: one player turns a competition of the last
// game into a normal game.
void NewForm::FormCreate(const GameSettings& settings) {
  winsEdit_->setValue(settings.WinsTarget);
  Reselect(settings.Competition ? competitionRadio_ : normalRadio_);
  ShowFileNameOnOpenButton(QFileInfo(chosenLevelFile_).fileName());
  if (chosenLevelFile_.isEmpty()) {
    openButton_->setEnabled(false);
    openButton_->setText(QStringLiteral("Open"));
  }
  (settings.BuiltInLevels ? builtInRadio_ : externalRadio_)->setChecked(true);
  Reselect(playerButtons_[std::clamp<int>(settings.PlayerCount, 1, kMaxPlayers) - 1]);
}

NewGameChoice NewForm::Choice() {
  BuildControls();
  NewGameChoice choice;
  for (int count = 1; count <= kMaxPlayers; ++count) {
    if (playerButtons_[count - 1]->isChecked()) choice.PlayerCount = count;
  }
  choice.Competition = !normalRadio_->isChecked();
  choice.WinsTarget = winsEdit_->value();
  choice.BuiltIn = builtInRadio_->isChecked();
  choice.LevelFile = QFile::encodeName(chosenLevelFile_).toStdString();
  choice.Seats = seatsGroup_->seats();
  return choice;
}

void NewForm::SetSeats(const Seats& seats) {
  if (seatsGroup_ == nullptr)
    firstSeats_ = seats;
  else
    seatsGroup_->SetSeats(seats);
}

// Centred on the screen, not on the main window, at every showing.
void NewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) CenterOnScreen(*this);
}

void NewForm::Normal1Click() { EnableWins(false); }

void NewForm::Competition1Click() { EnableWins(true); }

// A competition needs two players at least.
void NewForm::OnePlayer1Click() {
  Reselect(normalRadio_);
  competitionRadio_->setEnabled(false);
}

void NewForm::MorePlayersClick() { competitionRadio_->setEnabled(true); }

void NewForm::BuiltIn1Click() {
  openButton_->setEnabled(externalRadio_->isChecked());
  startButton_->setEnabled(true);
}

void NewForm::External1Click() {
  openButton_->setEnabled(externalRadio_->isChecked());
  startButton_->setEnabled(FileExists(chosenLevelFile_));
}

void NewForm::OpenButtonClick() {
  if (const std::optional<QString> chosen = chooseLevelFile_(chosenLevelFile_)) {
    chosenLevelFile_ = *chosen;
    ShowFileNameOnOpenButton(CaptionAfterChoice(*chosen));
  }
  // Also when cancelled: the file may have gone meanwhile.
  startButton_->setEnabled(FileExists(chosenLevelFile_));
}

// A level file that cannot be opened or read has been reported; the dialog
// stays open so that the player can choose another.
void NewForm::StartButtonClick() {
  if (game_.StartButtonClick(Choice())) accept();
}

void NewForm::CancelButtonClick() { reject(); }

void NewForm::EnableWins(bool enabled) {
  winLabel_->setEnabled(enabled);
  winsEdit_->setEnabled(enabled);
  gamesLabel_->setEnabled(enabled);
}

void NewForm::ShowFileNameOnOpenButton(const QString& fileName) {
  openButton_->setText(QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace coilrun
