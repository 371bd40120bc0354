#include "shell/network_control.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "game/menu_state.h"
#include "shell/main_menu.h"

namespace coilrun {

namespace {

constexpr int kPollMs = 2;

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

NetworkDialog::NetworkDialog(NetworkControl& control, QWidget* parent) : QDialog(parent), control_(control) {
  setWindowTitle(QStringLiteral("Network game"));
  setObjectName(QStringLiteral("NetworkDialog"));
  auto* layout = new QVBoxLayout(this);
  auto* how = new QGroupBox(QStringLiteral(" Connection "), this);
  auto* howLayout = new QFormLayout(how);
  hostButton_ = new QRadioButton(QStringLiteral("&Host a game"), how);
  joinButton_ = new QRadioButton(QStringLiteral("&Join a game at"), how);
  hostButton_->setChecked(true);
  address_ = new QLineEdit(QStringLiteral("127.0.0.1"), how);
  address_->setObjectName(QStringLiteral("AddressEdit"));
  port_ = new QSpinBox(how);
  port_->setObjectName(QStringLiteral("PortEdit"));
  port_->setRange(1, 65535);
  port_->setValue(kDefaultNetPort);
  players_ = new QSpinBox(how);
  players_->setObjectName(QStringLiteral("PlayersEdit"));
  players_->setRange(1, kMaxPlayers);
  howLayout->addRow(hostButton_);
  howLayout->addRow(joinButton_, address_);
  howLayout->addRow(QStringLiteral("&Port"), port_);
  howLayout->addRow(QStringLiteral("Players at this &keyboard"), players_);
  connectButton_ = new QPushButton(QStringLiteral("&Connect"), how);
  connectButton_->setObjectName(QStringLiteral("ConnectButton"));
  howLayout->addRow(connectButton_);
  layout->addWidget(how);

  lobby_ = new QLabel(this);
  lobby_->setObjectName(QStringLiteral("LobbyLabel"));
  lobby_->setTextFormat(Qt::PlainText);
  lobby_->setMinimumWidth(280);
  layout->addWidget(lobby_);

  auto* game = new QGroupBox(QStringLiteral(" Game (the host's choice) "), this);
  auto* gameLayout = new QFormLayout(game);
  normal_ = new QRadioButton(QStringLiteral("&Normal"), game);
  competition_ = new QRadioButton(QStringLiteral("Co&mpetition, wins"), game);
  auto* types = new QButtonGroup(game);
  types->addButton(normal_);
  types->addButton(competition_);
  normal_->setChecked(true);
  wins_ = new QSpinBox(game);
  wins_->setRange(1, kMaxWinsTarget);
  wins_->setValue(5);
  builtIn_ = new QRadioButton(QStringLiteral("&Built-in levels"), game);
  external_ = new QRadioButton(QStringLiteral("Level &file"), game);
  auto* sources = new QButtonGroup(game);
  sources->addButton(builtIn_);
  sources->addButton(external_);
  builtIn_->setChecked(true);
  fileButton_ = new QPushButton(QStringLiteral("Open"), game);
  speed_ = new QSpinBox(game);
  speed_->setRange(kMinSpeed, kMaxSpeed);
  speed_->setValue(control.parts().model.Settings.Speed);
  gameLayout->addRow(normal_);
  gameLayout->addRow(competition_, wins_);
  gameLayout->addRow(builtIn_);
  gameLayout->addRow(external_, fileButton_);
  gameLayout->addRow(QStringLiteral("Spee&d"), speed_);
  layout->addWidget(game);
  startButton_ = new QPushButton(QStringLiteral("&Start"), this);
  startButton_->setObjectName(QStringLiteral("NetworkStartButton"));
  auto* leave = new QPushButton(QStringLiteral("C&ancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(startButton_);
  buttons->addWidget(leave);
  layout->addLayout(buttons);

  connect(connectButton_, &QPushButton::clicked, this, &NetworkDialog::Connect);
  connect(startButton_, &QPushButton::clicked, this, &NetworkDialog::StartGame);
  connect(fileButton_, &QPushButton::clicked, this, &NetworkDialog::ChooseFile);
  connect(leave, &QPushButton::clicked, this, [this] {
    control_.Close();
    reject();
  });
  Follow();
}

void NetworkDialog::Connect() {
  if (control_.session()) return;
  control_.Open(hostButton_->isChecked(), address_->text(), static_cast<std::uint16_t>(port_->value()),
                players_->value());
  Follow();
}

void NetworkDialog::ChooseFile() {
  const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), levelFile_,
                                                    QStringLiteral("Level files for coilrun (*.lvl)"));
  if (file.isEmpty()) return;
  levelFile_ = file;
  fileButton_->setText(QFileInfo(file).fileName());
  external_->setChecked(true);
}

void NetworkDialog::StartGame() {
  NetSession* session = control_.session();
  if (!session || !session->isHost()) return;
  control_.game().options().SetSpeed(speed_->value());
  NewGameChoice choice;
  choice.PlayerCount = session->seatsTaken();
  choice.Competition = competition_->isChecked() && choice.PlayerCount > 1;
  choice.WinsTarget = wins_->value();
  choice.BuiltIn = builtIn_->isChecked() || levelFile_.isEmpty();
  choice.LevelFile = levelFile_.toStdString();
  session->StartGame(choice);
  Follow();
}

void NetworkDialog::Follow() {
  NetSession* session = control_.session();
  const bool open = session != nullptr;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{hostButton_, joinButton_, address_, port_, players_, connectButton_}) {
    widget->setEnabled(!open);
  }
  const bool host = open && session->isHost();
  // A network game needs somebody else: Start waits for a second machine.
  startButton_->setEnabled(host && session->state() == NetSession::State::Lobby &&
                           session->seatsTaken() > players_->value());
  QString text;
  if (!open) {
    text = QStringLiteral("Not connected.");
  } else {
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
      const std::string& name = session->seatNames()[seat - 1];
      text += QStringLiteral("Seat %1: %2\n").arg(seat).arg(name.empty() ? QStringLiteral("free") : Latin1(name));
    }
    if (host) {
      text += QStringLiteral("Round trip %1 ms, key delay %2 beats")
                  .arg(session->roundTripMs())
                  .arg(session->ChooseKeyDelay());
    } else if (session->seatsTaken() == 0) {
      text += QStringLiteral("Joining...");
    } else {
      text += QStringLiteral("Waiting for the host to start.");
    }
    for (const std::string& notice : session->notices()) text += QStringLiteral("\n") + Latin1(notice);
  }
  lobby_->setText(text);
  if (open && session->state() == NetSession::State::Playing) accept();
}

NetworkControl::NetworkControl(QWidget& window, QMenu& gameMenu, Game& game, GameParts& parts, GameSessions& sessions,
                               Prompts& prompts)
    : QObject(&window), window_(window), game_(game), parts_(parts), sessions_(sessions), prompts_(prompts) {
  networkItem_ = AddItem(gameMenu, "NetworkGameItem", QStringLiteral("Ne&twork game..."));
  connect(networkItem_, &QAction::triggered, this, &NetworkControl::NetworkGameClick);
  connect(&gameMenu, &QMenu::aboutToShow, this, &NetworkControl::MenuShowing);
  poll_.setTimerType(Qt::PreciseTimer);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &NetworkControl::Poll);
  innerPoll_.setTimerType(Qt::PreciseTimer);
  innerPoll_.setInterval(kPollMs);
  connect(&innerPoll_, &QTimer::timeout, this, &NetworkControl::Poll);
  clock_.start();
}

void NetworkControl::MenuShowing() {
  networkItem_->setVisible(!GameInPlay(parts_.model) && !sessions_.router().driven());
}

void NetworkControl::NetworkGameClick() {
  if (GameInPlay(parts_.model) || sessions_.router().driven()) return;
  NetworkDialog dialog(*this, &window_);
  dialog_ = &dialog;
  const bool started = dialog.exec() == QDialog::Accepted;
  dialog_ = nullptr;
  if (!started) Close();
}

bool NetworkControl::Open(bool host, const QString& address, std::uint16_t port, int players) {
  if (!levelDirectory_.isValid()) return false;
  // Its port may be the one asked for now.
  closing_.reset();
  NetConfig config;
  config.localPlayers = players;
  session_ = std::make_unique<NetSession>(game_, parts_, sessions_,
                                          levelDirectory_.filePath(QStringLiteral("level.lvl")).toStdString(), config);
  const bool opened = host ? session_->Host(std::string(), port) : session_->Join(address.toStdString(), port);
  if (!opened) {
    prompts_.ShowFailure(FileError(session_->ending()));
    session_.reset();
    return false;
  }
  poll_.start();
  return true;
}

void NetworkControl::Close() {
  if (session_) {
    session_->Leave();
    closing_ = std::move(session_);
  }
  if (status_) status_->hide();
}

// Called inside message boxes too (their event loops run the inner timer):
// the network stays served, and the session itself holds the next beat back
// and any ending until the box is closed.
void NetworkControl::Poll() {
  const double now = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
  if (inPoll_) {
    if (session_) session_->Poll(now);
    ShowStatus();
    return;
  }
  if (closing_) {
    closing_->Poll(now);
    if (closing_->Settled()) closing_.reset();
  }
  if (!session_) {
    if (!closing_) poll_.stop();
    return;
  }
  inPoll_ = true;
  innerPoll_.start();
  session_->Poll(now);
  innerPoll_.stop();
  inPoll_ = false;
  if (!session_) return;
  ShowStatus();
  if (dialog_) dialog_->Follow();
  if (session_->state() == NetSession::State::Over) {
    const std::string ending = session_->ending();
    closing_ = std::move(session_);
    if (status_) status_->hide();
    if (dialog_) dialog_->reject();
    if (!ending.empty()) {
      // The session that is over still delivers its last words meanwhile.
      innerPoll_.start();
      prompts_.ShowMessage(ending);
      innerPoll_.stop();
    }
  }
}

// The line over the field is made when first shown: most runs wait for nobody.
void NetworkControl::ShowStatus() {
  if (!session_) return;
  const std::string& waiting = session_->waitingFor();
  if (waiting.empty()) {
    if (status_) status_->hide();
    return;
  }
  if (!status_) {
    QWidget* field = window_.findChild<QWidget*>(QStringLiteral("PaintBox"));
    if (field == nullptr) return;
    status_ = new QLabel(field);
    status_->setObjectName(QStringLiteral("NetworkStatus"));
    status_->setStyleSheet(QStringLiteral("background: black; color: white; padding: 4px"));
  }
  status_->setText(QStringLiteral("Waiting for %1...").arg(Latin1(waiting)));
  status_->adjustSize();
  status_->move((status_->parentWidget()->width() - status_->width()) / 2, 8);
  status_->show();
}

}  // namespace coilrun
