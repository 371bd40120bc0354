#include "shell/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <chrono>

#include "game/menu_state.h"
#include "shell/key_translation.h"
#include "shell/settings_file.h"
#include "shell/sound_setup.h"
#include "shell/window_parts.h"

namespace coilrun {

namespace {

constexpr int kDesignTimerInterval = 70;
// The platform's input box takes no more than this; callers cut what they keep.
constexpr int kInputBoxMaxLength = 255;

// The fixed layout: the field's frame, the field 2 pixels inside it, the
// report panel's frame 4 pixels below, its surface 1 pixel inside, and a
// 4-pixel margin all round.
constexpr int kMargin = 4;
constexpr int kBackShapeWidth = kFieldWidth + 4;
constexpr int kBackShapeHeight = kFieldHeight + 4;
constexpr int kReportShapeTop = kMargin + kBackShapeHeight + 4;
constexpr int kReportShapeHeight = kReportHeight + 2;
constexpr int kClientWidth = kBackShapeWidth + 2 * kMargin;
constexpr int kClientHeight = kReportShapeTop + kReportShapeHeight + kMargin;

QString FromLatin1(const std::string& text) { return QString::fromLatin1(text.data(), std::ssize(text)); }

}  // namespace

TMainForm::TMainForm(const QString& dataDirectory, const QString& levelFileName, QWidget* parent)
    : QMainWindow(parent), dataDirectory_(dataDirectory.toStdString()) {
  setWindowTitle(QStringLiteral("coilrun"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFocusPolicy(Qt::StrongFocus);
  for (QTimer* timer : {&Timer, &ReportTimer}) {
    timer->setParent(this);
    timer->setTimerType(Qt::PreciseTimer);
  }
  Timer.setObjectName(QStringLiteral("Timer"));
  Timer.setInterval(kDesignTimerInterval);
  ReportTimer.setObjectName(QStringLiteral("ReportTimer"));
  connect(&Timer, &QTimer::timeout, this, [this] { game_->TimerTimer(); });
  connect(&ReportTimer, &QTimer::timeout, this, [this] { game_->ReportTimerTimer(); });
  FormCreate(levelFileName);
  // The dialog takes its first choices from the settings that FormCreate loaded.
  NewForm = new TNewForm(
      *game_, [this](const QString& preset) { return OpenDialog.Execute(preset); }, this);
}

TMainForm::~TMainForm() = default;

// The surfaces take their first colours from the settings, so the view is
// made once they are loaded.
void TMainForm::FormCreate(const QString& levelFileName) {
  SettingsFile = dataDirectory_ / "settings.dat";
  highScores_ = std::make_unique<FileHighScores>(dataDirectory_ / kHighScoreFileName,
                                                 [this](const std::string& error) { ShowFileError(error); });
  highScores_->WriteDefaultsWhenMissing();
  const SettingsLoadResult loaded = LoadSettings(model_, SettingsFile);
  if (loaded.error) QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(*loaded.error));
  presentation_ = std::make_unique<Presentation>(model_, *this);
  game_ = std::make_unique<Game>(model_, *this, presentation_->views());
  ExtractSounds();
  LayOut();
  if (model_.Settings.Music) MediaPlay(MediaPlayer::MusicPlayer);
  game_->CopyBuiltInLevels();
  model_.ScreenState = TitleScreen;
  if (!levelFileName.isEmpty()) game_->StartCommandLineGame(levelFileName.toStdString());
  ReportTimer.setInterval(model_.Settings.ReportInterval);
}

void TMainForm::ExtractSounds() {
  players_ = std::make_unique<MediaPlayers>();
  connect(players_.get(), &MediaPlayers::PlayFinished, this, [this](MediaPlayer player, bool reachedEnd) {
    if (player == MediaPlayer::MusicPlayer) game_->MusicPlayerNotify(reachedEnd);
  });
  connect(players_.get(), &MediaPlayers::OpenFailed, this,
          [this](const QString& message) { QMessageBox::critical(this, QStringLiteral("coilrun"), message); });
  const auto archive = FindAudioArchive(QCoreApplication::applicationDirPath().toStdString());
  if (const auto message = coilrun::ExtractSounds(model_.Settings, *players_, archive, dataDirectory_))
    QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(*message));
}

void TMainForm::LayOut() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  const auto place = [](QWidget* component, const char* name, const QRect& geometry) {
    component->setObjectName(QLatin1String(name));
    component->setGeometry(geometry);
    return component;
  };
  BackShape = place(new ShapeWidget(model_.Settings.BackColor, client), "BackShape",
                    {kMargin, kMargin, kBackShapeWidth, kBackShapeHeight});
  PaintBox = place(new SurfaceWidget(presentation_->surfaces.field(), client), "PaintBox",
                   {kMargin + 2, kMargin + 2, kFieldWidth, kFieldHeight});
  ReportShape = place(new ShapeWidget(model_.Settings.ReportColor, client), "ReportShape",
                      {kMargin, kReportShapeTop, kBackShapeWidth, kReportShapeHeight});
  ReportCanvas = place(new SurfaceWidget(presentation_->surfaces.report(), client), "ReportCanvas",
                       {kMargin + 1, kReportShapeTop + 1, kReportWidth, kReportHeight});

  presentation_->surfaces.setChangeListener([this](Surface surface, const QRect& pixels) {
    (surface == Surface::Field ? PaintBox : ReportCanvas)->update(pixels);
  });
}

void TMainForm::FormClose() {
  game_->ShutDown();
  // A failed save is reported, but never keeps the player from closing the game.
  if (const auto error = SaveSettings(model_, SettingsFile))
    QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(*error));
  DeleteSoundFiles(model_.Settings, *players_, dataDirectory_);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  constexpr Qt::KeyboardModifiers kShiftKeys =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event->key() == Qt::Key_F2 && !(event->modifiers() & kShiftKeys) && !event->isAutoRepeat()) New1Click();
  if (const std::optional<KeyDown> keyDown = TranslateKeyEvent(*event))
    game_->FormKeyDown(keyDown->key, keyDown->shift);
}

// F2 offers a new game only when none is in play or paused.
void TMainForm::New1Click() {
  if (GameInPlay(model_)) return;
  NewForm->exec();
}

void TMainForm::ShowNewMenuItem() {}  // not yet: the menu bar arrives with the window's menus

NewGameChoice TMainForm::NewGameControls() { return NewForm->Choice(); }

void TMainForm::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("coilrun"), FromLatin1(text), QMessageBox::Ok, this);
  // Messages carry player names and typed text; markup in them is shown, not obeyed.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> TMainForm::InputBox(const std::string& caption, const std::string& prompt,
                                               const std::string& initialText) {
  QInputDialog box(this);
  box.setWindowTitle(FromLatin1(caption));
  box.setLabelText(FromLatin1(prompt));
  // The prompt can carry a player's name, shown as typed like in the message box.
  if (auto* label = box.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
  box.setTextValue(FromLatin1(initialText));
  if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(kInputBoxMaxLength);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toLatin1().toStdString();
}

QTimer& TMainForm::TimerOf(GameTimer timer) { return timer == GameTimer::Game ? Timer : ReportTimer; }

// Switching on a running timer leaves its beat where it is; QTimer::start
// would begin the period afresh.
void TMainForm::SetTimerEnabled(GameTimer timer, bool enabled) {
  QTimer& qtimer = TimerOf(timer);
  if (!enabled)
    qtimer.stop();
  else if (!qtimer.isActive())
    qtimer.start();
}

bool TMainForm::TimerEnabled(GameTimer timer) const {
  return (timer == GameTimer::Game ? Timer : ReportTimer).isActive();
}

void TMainForm::SetTimerInterval(GameTimer timer, int milliseconds) { TimerOf(timer).setInterval(milliseconds); }

void TMainForm::MediaStop(MediaPlayer player) { players_->Stop(player); }
void TMainForm::MediaPlay(MediaPlayer player) { players_->Play(player); }
void TMainForm::MediaPlayFromStart(MediaPlayer player) { players_->PlayFromStart(player); }

HighScoreStore& TMainForm::HighScores() { return *highScores_; }

void TMainForm::ShowFileError(const std::string& error) {
  QMessageBox::critical(this, QStringLiteral("coilrun"), QString::fromStdString(error));
}

std::uint32_t TMainForm::ClockSeed() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace coilrun
