// Network games in the window: the Game menu's "Network game..." and its
// dialog (host or join, the lobby, the start), the timer that polls the
// network from the window's thread without ever waiting, the "Waiting for
// NAME..." notice over the field, and the message when a game ends badly.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "game/game.h"
#include "game/game_sessions.h"
#include "game/prompts.h"
#include "net/net_session.h"

namespace coilrun {

constexpr std::uint16_t kDefaultNetPort = 24621;

class NetworkControl;

class NetworkDialog : public QDialog {
  Q_OBJECT

 public:
  NetworkDialog(NetworkControl& control, QWidget* parent);
  // The lobby as it stands, and whether the game has started.
  void Follow();

 private:
  void Connect();
  void StartGame();
  void ChooseFile();

  NetworkControl& control_;
  QRadioButton* hostButton_;
  QRadioButton* joinButton_;
  QLineEdit* address_;
  QSpinBox* port_;
  QSpinBox* players_;
  QPushButton* connectButton_;
  QLabel* lobby_;
  QRadioButton* normal_;
  QRadioButton* competition_;
  QSpinBox* wins_;
  QRadioButton* builtIn_;
  QRadioButton* external_;
  QPushButton* fileButton_;
  QSpinBox* speed_;
  QPushButton* startButton_;
  QString levelFile_;
};

class NetworkControl : public QObject {
  Q_OBJECT

 public:
  NetworkControl(QWidget& window, QMenu& gameMenu, Game& game, GameParts& parts, GameSessions& sessions,
                 Prompts& prompts);

  NetSession* session() { return session_.get(); }
  // A new session, hosting or joining; false with the reason shown.
  bool Open(bool host, const QString& address, std::uint16_t port, int players);
  void Close();
  Game& game() { return game_; }
  GameParts& parts() { return parts_; }

 private:
  void MenuShowing();
  void NetworkGameClick();
  void Poll();
  void ShowStatus();

  QWidget& window_;
  Game& game_;
  GameParts& parts_;
  GameSessions& sessions_;
  Prompts& prompts_;
  QTemporaryDir levelDirectory_;
  std::unique_ptr<NetSession> session_;
  // A session that is over, still polled until the others have its last words.
  std::unique_ptr<NetSession> closing_;
  QTimer poll_;
  // Runs only while a poll is under way: Qt does not fire a timer again
  // inside its own timeout, so the event loop of a message box shown in a
  // beat is served by this one.
  QTimer innerPoll_;
  QElapsedTimer clock_;
  QLabel* status_ = nullptr;
  QAction* networkItem_ = nullptr;
  NetworkDialog* dialog_ = nullptr;
  bool inPoll_ = false;
};

}  // namespace coilrun
