#include "shell/replay_control.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "engine/rule_state.h"
#include "formats/record_file.h"
#include "formats/whole_file.h"
#include "game/menu_state.h"
#include "shell/main_menu.h"

namespace coilrun {

namespace {

constexpr int kMessageShownMs = 1500;
constexpr std::size_t kLargestReplayFile = 64 * 1024 * 1024;
constexpr std::array<int, 3> kSpeedFactors{1, 2, 4};
const QString kReplayFilter = QStringLiteral("Coilrun replays (*.crp)");

}  // namespace

void ReplayMessages::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("coilrun"),
                  QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, &window_);
  box.setTextFormat(Qt::PlainText);
  QTimer::singleShot(kMessageShownMs / speedFactor_, &box, [&box] { box.accept(); });
  box.exec();
}

void ReplayMessages::ShowFailure(const FileError& failure) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("coilrun"), QString::fromStdString(failure.text()),
                  QMessageBox::Ok, &window_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

ReplayControl::ReplayControl(QWidget& window, QMenu& gameMenu, Game& game, GameParts& parts, GameSessions& sessions,
                             Prompts& prompts)
    : QObject(&window),
      window_(window),
      game_(game),
      parts_(parts),
      sessions_(sessions),
      prompts_(prompts),
      messages_(window) {
  AddSeparator(gameMenu, "ReplaySeparator");
  saveItem_ = AddItem(gameMenu, "SaveReplayItem", QStringLiteral("Sa&ve replay..."));
  watchItem_ = AddItem(gameMenu, "WatchReplayItem", QStringLiteral("&Watch replay..."));
  const std::array<QString, 3> speedCaptions{QStringLiteral("Replay at normal speed\t1"),
                                             QStringLiteral("Replay twice as fast\t2"),
                                             QStringLiteral("Replay four times as fast\t4")};
  for (std::size_t i = 0; i < speedItems_.size(); ++i) {
    speedItems_[i] = gameMenu.addAction(speedCaptions[i]);
    speedItems_[i]->setObjectName(QStringLiteral("ReplaySpeed%1Item").arg(kSpeedFactors[i]));
    speedItems_[i]->setCheckable(true);
    speedItems_[i]->setVisible(false);
    connect(speedItems_[i], &QAction::triggered, this, [this, i] {
      if (player_) player_->SetSpeedFactor(kSpeedFactors[i]);
      Follow();
    });
  }
  connect(&gameMenu, &QMenu::aboutToShow, this, &ReplayControl::MenuShowing);
  connect(saveItem_, &QAction::triggered, this, &ReplayControl::SaveReplayClick);
  connect(watchItem_, &QAction::triggered, this, &ReplayControl::WatchReplayClick);
  connect(&timer_, &BeatTimer::timeout, this, &ReplayControl::Tick);
  sessions_.recorder().OnGameKept([this](const Replay& replay) { WriteRecording(replay); });
}

void ReplayControl::MenuShowing() {
  const bool between = !GameInPlay(parts_.model) && !watching();
  saveItem_->setVisible(between);
  saveItem_->setEnabled(sessions_.recorder().lastGame().has_value());
  watchItem_->setVisible(between && !sessions_.router().driven());
  for (QAction* item : speedItems_) item->setVisible(watching());
}

void ReplayControl::SaveReplayClick() {
  if (!sessions_.recorder().lastGame()) return;
  const QString file = QFileDialog::getSaveFileName(&window_, QStringLiteral("Save replay"), QString(), kReplayFilter);
  if (!file.isEmpty()) SaveLastGame(file.endsWith(QStringLiteral(".crp")) ? file : file + QStringLiteral(".crp"));
}

void ReplayControl::WatchReplayClick() {
  if (GameInPlay(parts_.model) || sessions_.router().driven()) return;
  const QString file = QFileDialog::getOpenFileName(&window_, QStringLiteral("Watch replay"), QString(), kReplayFilter);
  if (!file.isEmpty()) Watch(file);
}

bool ReplayControl::SaveLastGame(const QString& file) {
  const auto& game = sessions_.recorder().lastGame();
  if (!game) return false;
  if (const FileResult failure = ReplaceFile(file.toStdString(), EncodeReplay(*game))) {
    prompts_.ShowFailure(FileError(QFileInfo(file).fileName().toStdString() + ": " + failure->text()));
    return false;
  }
  return true;
}

void ReplayControl::RecordEveryGameTo(const QString& file) { recordFile_ = file; }

void ReplayControl::WriteRecording(const Replay& replay) {
  if (recordFile_.isEmpty()) return;
  QString file = recordFile_;
  if (++recorded_ > 1) {
    const QFileInfo info(recordFile_);
    const QString suffix = info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    file = info.path() + QStringLiteral("/") + info.completeBaseName() + QStringLiteral("-%1").arg(recorded_) + suffix;
  }
  if (const FileResult failure = ReplaceFile(file.toStdString(), EncodeReplay(replay))) {
    prompts_.ShowFailure(FileError(QFileInfo(file).fileName().toStdString() + ": " + failure->text()));
  }
}

bool ReplayControl::Watch(const QString& file) {
  const QString name = QFileInfo(file).fileName();
  const auto fail = [&](const std::string& text) {
    prompts_.ShowFailure(FileError(name.toStdString() + ": " + text));
    return false;
  };
  if (GameInPlay(parts_.model) || sessions_.router().driven())
    return fail("A replay can be watched only between games.");
  if (!levelDirectory_.isValid())
    return fail("No place for the replay's level file: " + levelDirectory_.errorString().toStdString());
  const auto read = ReadWholeFile(file.toStdString(), kLargestReplayFile);
  if (const auto* failure = std::get_if<FileError>(&read)) return fail(failure->text());
  auto decoded = DecodeReplay(std::get<std::vector<std::uint8_t>>(read), kRulesVersion);
  if (const auto* failure = std::get_if<FileError>(&decoded)) return fail(failure->text());
  player_ = std::make_unique<ReplayPlayer>(game_, parts_, sessions_.sessionPorts(), sessions_.router(), messages_,
                                           levelDirectory_.filePath(QStringLiteral("level.lvl")).toStdString());
  player_->OnChange([this] { Follow(); });
  if (!player_->Start(std::move(std::get<Replay>(decoded)))) return fail(player_->failure());
  Follow();
  return true;
}

// One tick of the playback's beat: as many beats as the speed asks for. A
// message box inside a beat runs the event loop, so a tick can come while
// the last one is still in its beat; it waits its turn.
void ReplayControl::Tick() {
  if (inStep_ || !player_) return;
  inStep_ = true;
  for (int i = 0; i < player_->speedFactor() && player_->state() == ReplayPlayer::State::Playing && !player_->paused();
       ++i) {
    player_->Step();
  }
  inStep_ = false;
  if (watching() && player_->interval() != timer_.interval()) Follow();
  if (player_->state() == ReplayPlayer::State::Failed) {
    const std::string why = player_->failure();
    timer_.stop();
    prompts_.ShowFailure(FileError(why));
  }
}

// The beat, the menu's speed marks and the window's title follow the playback.
void ReplayControl::Follow() {
  const bool playing = watching();
  messages_.SetSpeedFactor(player_ ? player_->speedFactor() : 1);
  for (std::size_t i = 0; i < speedItems_.size(); ++i) {
    speedItems_[i]->setChecked(player_ && player_->speedFactor() == kSpeedFactors[i]);
  }
  if (!playing) {
    timer_.stop();
    window_.setWindowTitle(QStringLiteral("coilrun"));
    return;
  }
  const int interval = std::max(1, player_->interval());
  if (timer_.interval() != interval || !timer_.isActive()) {
    timer_.setInterval(interval);
    timer_.start();
  }
  QString title = QStringLiteral("coilrun - replay");
  if (player_->speedFactor() > 1) title += QStringLiteral(" %1x").arg(player_->speedFactor());
  if (player_->paused()) title += QStringLiteral(", paused");
  window_.setWindowTitle(title);
}

}  // namespace coilrun
