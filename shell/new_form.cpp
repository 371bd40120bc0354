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
  LayOut();
  ConnectHandlers();
  FormCreate(game_.model().Settings);
}

// The controls in their initial states; the handlers are connected after, so
// that these states are set without running them.
void NewForm::LayOut() {
  TypeGroup = Named<QGroupBox>("TypeGroup", QStringLiteral(" Type "));
  Normal1 = Named<QRadioButton>("Normal1", QStringLiteral("&Normal"));
  Normal1->setChecked(true);
  Competition1 = Named<QRadioButton>("Competition1", QStringLiteral("&Competition"));
  WinLabel = Named<QLabel>("WinLabel", QStringLiteral("Win"));
  WinLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  WinsEdit1 = Named<QSpinBox>("WinsEdit1");
  WinsEdit1->setRange(1, kMaxWinsTarget);
  WinsEdit1->setValue(1);
  GamesLabel = Named<QLabel>("GamesLabel", QStringLiteral("games"));
  auto* type = new QGridLayout(TypeGroup);
  type->addWidget(Normal1, 0, 0);
  type->addWidget(Competition1, 1, 0);
  // The line reads as a phrase: Win, the number, games.
  type->addWidget(WinLabel, 1, 1);
  type->addWidget(WinsEdit1, 1, 2);
  type->addWidget(GamesLabel, 1, 3);
  type->setColumnStretch(4, 1);

  LevelsGroup = Named<QGroupBox>("LevelsGroup", QStringLiteral(" Levels "));
  BuiltIn1 = Named<QRadioButton>("BuiltIn1", QStringLiteral("&Built in exe"));
  BuiltIn1->setChecked(true);
  External1 = Named<QRadioButton>("External1", QStringLiteral("&External "));
  OpenButton = Named<QPushButton>("OpenButton", QStringLiteral("O&pen"));
  OpenButton->setEnabled(false);
  // Room for a cut file name, so that choosing one does not resize the
  // dialog; a name shown whole widens it.
  OpenButton->setMinimumWidth(OpenButton->fontMetrics().averageCharWidth() * kOpenButtonCharacters);
  auto* levels = new QGridLayout(LevelsGroup);
  levels->addWidget(BuiltIn1, 0, 0);
  levels->addWidget(External1, 1, 0);
  levels->addWidget(OpenButton, 1, 1);

  PlayersGroup = Named<QGroupBox>("PlayersGroup", QStringLiteral(" Players "));
  OnePlayer1 = Named<QRadioButton>("OnePlayer1", QStringLiteral("&One player"));
  OnePlayer1->setChecked(true);
  TwoPlayers1 = Named<QRadioButton>("TwoPlayers1", QStringLiteral("&Two players"));
  ThreePlayers1 = Named<QRadioButton>("ThreePlayers1", QStringLiteral("T&hree players"));
  FourPlayers1 = Named<QRadioButton>("FourPlayers1", QStringLiteral("&Four players"));
  playerButtons_ = {OnePlayer1, TwoPlayers1, ThreePlayers1, FourPlayers1};
  auto* players = new QGridLayout(PlayersGroup);
  players->addWidget(OnePlayer1, 0, 0);
  players->addWidget(TwoPlayers1, 1, 0);
  players->addWidget(ThreePlayers1, 0, 1);
  players->addWidget(FourPlayers1, 1, 1);

  StartButton = Named<QPushButton>("StartButton", QStringLiteral("&Start"));
  StartButton->setDefault(true);
  CancelButton = Named<QPushButton>("CancelButton", QStringLiteral("C&ancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(StartButton);
  buttons->addWidget(CancelButton);
  buttons->addStretch();

  auto* form = new QVBoxLayout(this);
  form->setSizeConstraint(QLayout::SetFixedSize);
  form->addWidget(TypeGroup);
  form->addWidget(LevelsGroup);
  form->addWidget(PlayersGroup);
  form->addLayout(buttons);

  QWidget* const tabOrder[] = {StartButton, CancelButton,   OnePlayer1, TwoPlayers1, ThreePlayers1, FourPlayers1,
                               BuiltIn1,    External1, OpenButton, Normal1,     Competition1,  WinsEdit1};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
  StartButton->setFocus();
}

// A radio button's handler runs whenever it becomes selected, by the player
// or by the program.
void NewForm::ConnectHandlers() {
  const auto onSelected = [this](QRadioButton* button, void (NewForm::*handler)()) {
    connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
      if (selected) (this->*handler)();
    });
  };
  onSelected(Normal1, &NewForm::Normal1Click);
  onSelected(Competition1, &NewForm::Competition1Click);
  onSelected(OnePlayer1, &NewForm::OnePlayer1Click);
  onSelected(TwoPlayers1, &NewForm::MorePlayersClick);
  onSelected(ThreePlayers1, &NewForm::MorePlayersClick);
  onSelected(FourPlayers1, &NewForm::MorePlayersClick);
  onSelected(BuiltIn1, &NewForm::BuiltIn1Click);
  onSelected(External1, &NewForm::External1Click);
  connect(OpenButton, &QPushButton::clicked, this, &NewForm::OpenButtonClick);
  connect(StartButton, &QPushButton::clicked, this, &NewForm::StartButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &NewForm::CancelButtonClick);
}

// The player count comes last: one player turns a competition of the last
// game into a normal game.
void NewForm::FormCreate(const GameSettings& settings) {
  WinsEdit1->setValue(settings.WinsTarget);
  Reselect(settings.Competition ? Competition1 : Normal1);
  const QString lastLevelFile = QFile::decodeName(QByteArray::fromStdString(settings.LevelFileName));
  if (FileExists(lastLevelFile)) chosenLevelFile_ = lastLevelFile;
  ShowFileNameOnOpenButton(QFileInfo(chosenLevelFile_).fileName());
  if (chosenLevelFile_.isEmpty()) {
    OpenButton->setEnabled(false);
    OpenButton->setText(QStringLiteral("Open"));
  }
  (settings.BuiltInLevels ? BuiltIn1 : External1)->setChecked(true);
  Reselect(playerButtons_[std::clamp<int>(settings.PlayerCount, 1, kMaxPlayers) - 1]);
}

NewGameChoice NewForm::Choice() const {
  NewGameChoice choice;
  for (int count = 1; count <= kMaxPlayers; ++count) {
    if (playerButtons_[count - 1]->isChecked()) choice.PlayerCount = count;
  }
  choice.Competition = !Normal1->isChecked();
  choice.WinsTarget = WinsEdit1->value();
  choice.BuiltIn = BuiltIn1->isChecked();
  choice.LevelFile = QFile::encodeName(chosenLevelFile_).toStdString();
  return choice;
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
  Reselect(Normal1);
  Competition1->setEnabled(false);
}

void NewForm::MorePlayersClick() { Competition1->setEnabled(true); }

void NewForm::BuiltIn1Click() {
  OpenButton->setEnabled(External1->isChecked());
  StartButton->setEnabled(true);
}

void NewForm::External1Click() {
  OpenButton->setEnabled(External1->isChecked());
  StartButton->setEnabled(FileExists(chosenLevelFile_));
}

void NewForm::OpenButtonClick() {
  if (const std::optional<QString> chosen = chooseLevelFile_(chosenLevelFile_)) {
    chosenLevelFile_ = *chosen;
    ShowFileNameOnOpenButton(CaptionAfterChoice(*chosen));
  }
  // Also when cancelled: the file may have gone meanwhile.
  StartButton->setEnabled(FileExists(chosenLevelFile_));
}

// A level file that cannot be opened or read has been reported; the dialog
// stays open so that the player can choose another.
void NewForm::StartButtonClick() {
  if (game_.StartButtonClick(Choice())) accept();
}

void NewForm::CancelButtonClick() { reject(); }

void NewForm::EnableWins(bool enabled) {
  WinLabel->setEnabled(enabled);
  WinsEdit1->setEnabled(enabled);
  GamesLabel->setEnabled(enabled);
}

void NewForm::ShowFileNameOnOpenButton(const QString& fileName) {
  OpenButton->setText(QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace coilrun
