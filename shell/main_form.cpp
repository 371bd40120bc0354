#include "shell/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <array>
#include <chrono>
#include <exception>

#include "game/menu_state.h"
#include "present/game_icon.h"
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

// Messages carry player names, typed text and file names; markup in them is
// shown, not obeyed.
void ShowPlainBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("coilrun"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// A failure of the system (a file, the memory) rather than of the game.
void ReportFailure(QWidget* parent, const std::string& message) {
  ShowPlainBox(parent, QMessageBox::Critical, QString::fromStdString(message));
}

// Runs every step even when one fails: the player reads the step's message
// and goes on with a window that lacks only what that step would have made.
template <std::size_t N>
void RunEachStep(TMainForm& form, const std::array<void (TMainForm::*)(), N>& steps) {
  for (const auto step : steps) {
    try {
      (form.*step)();
    } catch (const std::exception& failure) {
      ReportFailure(&form, failure.what());
    }
  }
}

}  // namespace

TMainForm::TMainForm(const QString& dataDirectory, const QString& levelFileName, QWidget* parent)
    : QMainWindow(parent),
      dataDirectory_(dataDirectory.toStdString()),
      commandLineLevelFile_(levelFileName),
      MainMenu1(*this) {
  setWindowTitle(QStringLiteral("coilrun"));
  setWindowIcon(GameIcon());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFocusPolicy(Qt::StrongFocus);
  Timer.setParent(this);
  Timer.setObjectName(QStringLiteral("Timer"));
  Timer.setInterval(kDesignTimerInterval);
  ReportTimer.setParent(this);
  ReportTimer.setObjectName(QStringLiteral("ReportTimer"));
  ReportTimer.setTimerType(Qt::PreciseTimer);
  connect(&Timer, &BeatTimer::timeout, this, [this] { game_->TimerTimer(); });
  connect(&ReportTimer, &QTimer::timeout, this, [this] { game_->ReportTimerTimer(); });
  ConnectMenu();
  FormCreate();
  CreateDialogs();
}

TMainForm::~TMainForm() = default;

// The order matters: the settings come before everything that reads them,
// and the screens are prepared before a command-line game covers them.
void TMainForm::FormCreate() {
  RunEachStep<11>(*this, {&TMainForm::FormFilePaths, &TMainForm::CreateHighScoreFile, &TMainForm::LoadSettingsFile,
                          &TMainForm::CreateViewAndGame, &TMainForm::ExtractSounds, &TMainForm::LayOut,
                          &TMainForm::StartMusic, &TMainForm::FillTablesAndLevels, &TMainForm::PreparePictureScreens,
                          &TMainForm::StartCommandLineGame, &TMainForm::SetReportInterval});
}

void TMainForm::FormFilePaths() {
  HighScoreFile = dataDirectory_ / kHighScoreFileName;
  SettingsFile = dataDirectory_ / "settings.dat";
  highScores_ =
      std::make_unique<FileHighScores>(HighScoreFile, [this](const std::string& error) { ReportFailure(this, error); });
}

void TMainForm::CreateHighScoreFile() { highScores_->WriteDefaultsWhenMissing(); }

void TMainForm::LoadSettingsFile() {
  const SettingsLoadResult loaded = LoadSettings(model_, SettingsFile);
  if (loaded.error) ReportFailure(this, *loaded.error);
}

// The surfaces take their first colours from the settings.
void TMainForm::CreateViewAndGame() {
  presentation_ = std::make_unique<Presentation>(model_, *this);
  game_ = std::make_unique<Game>(model_, *this, presentation_->views());
}

void TMainForm::ExtractSounds() {
  players_ = std::make_unique<MediaPlayers>();
  connect(players_.get(), &MediaPlayers::PlayFinished, this, [this](MediaPlayer player, bool reachedEnd) {
    if (player == MediaPlayer::MusicPlayer) game_->MusicPlayerNotify(reachedEnd);
  });
  connect(players_.get(), &MediaPlayers::OpenFailed, this,
          [this](const QString& message) { ReportFailure(this, message.toStdString()); });
  const auto archive = FindAudioArchive(QCoreApplication::applicationDirPath().toStdString());
  if (const auto message = coilrun::ExtractSounds(model_.Settings, *players_, archive, dataDirectory_))
    ReportFailure(this, *message);
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

void TMainForm::StartMusic() {
  if (model_.Settings.Music) MediaPlay(MediaPlayer::MusicPlayer);
}

void TMainForm::FillTablesAndLevels() {
  presentation_->report.InitMessages();
  game_->CopyBuiltInLevels();
}

// Each screen sets ScreenState, so the title page, drawn last, is the one
// the window opens on.
void TMainForm::PreparePictureScreens() {
  InformationScreens& screens = presentation_->screens;
  screens.ShowWinner();
  screens.ShowCongratulations();
  screens.ShowDisappointment();
  screens.ShowTitle();
}

void TMainForm::StartCommandLineGame() {
  if (!commandLineLevelFile_.isEmpty()) game_->StartCommandLineGame(commandLineLevelFile_.toStdString());
}

void TMainForm::SetReportInterval() { ReportTimer.setInterval(model_.Settings.ReportInterval); }

// The dialogs take their first state from the settings, so they follow
// FormCreate.
void TMainForm::CreateDialogs() {
  // not yet: the options dialog, created before the new game dialog
  NewForm = new TNewForm(
      *game_, [this](const QString& preset) { return OpenDialog.Execute(preset); }, this);
}

void TMainForm::FormClose() {
  RunEachStep<3>(*this, {&TMainForm::EndGameOnBoard, &TMainForm::SaveSettingsFile, &TMainForm::DeleteSoundFiles});
}

void TMainForm::EndGameOnBoard() { game_->ShutDown(); }

// A failed save is reported, but never keeps the player from closing the game.
void TMainForm::SaveSettingsFile() {
  if (const auto error = SaveSettings(model_, SettingsFile)) ReportFailure(this, *error);
}

void TMainForm::DeleteSoundFiles() { coilrun::DeleteSoundFiles(model_.Settings, *players_, dataDirectory_); }

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TMainForm::ConnectMenu() {
  const MainMenu& menu = MainMenu1;
  connect(menu.Game1, &QMenu::aboutToShow, this, &TMainForm::Game1Click);
  connect(menu.Help1, &QMenu::aboutToShow, this, &TMainForm::Help1Click);
  const std::array<std::pair<QAction*, void (TMainForm::*)()>, 13> handlers = {{
      {menu.New1, &TMainForm::New1Click},
      {menu.Pause1, &TMainForm::Pause1Click},
      {menu.Stop1, &TMainForm::Stop1Click},
      {menu.Exit1, &TMainForm::Exit1Click},
      {menu.Names1, &TMainForm::Names1Click},
      {menu.Options2, &TMainForm::Options2Click},
      {menu.View1, &TMainForm::View1Click},
      {menu.Report1, &TMainForm::Report1Click},
      {menu.Other1, &TMainForm::Other1Click},
      {menu.BrickTypes1, &TMainForm::BrickTypes1Click},
      {menu.keys1, &TMainForm::keys1Click},
      {menu.HighScores1, &TMainForm::HighScores1Click},
      {menu.About1, &TMainForm::About1Click},
  }};
  for (const auto& [item, handler] : handlers) connect(item, &QAction::triggered, this, handler);
}

void TMainForm::Game1Click() {
  const GameMenuState items = MenuStateFor(model_);
  MainMenu1.New1->setVisible(items.NewVisible);
  MainMenu1.Pause1->setVisible(items.PauseVisible);
  MainMenu1.Pause1->setChecked(items.PauseChecked);
  MainMenu1.Stop1->setVisible(items.StopVisible);
}

void TMainForm::Help1Click() {
  const bool enabled = MenuStateFor(model_).HelpItemsEnabled;
  for (QAction* item : {MainMenu1.BrickTypes1, MainMenu1.keys1, MainMenu1.HighScores1, MainMenu1.About1})
    item->setEnabled(enabled);
}

// Makes its own test, so F2 does nothing while a game is in play or paused,
// whatever the menu last showed.
void TMainForm::New1Click() {
  if (GameInPlay(model_)) return;
  NewForm->exec();
}

// The item checks itself when chosen; the game's state decides instead.
void TMainForm::Pause1Click() {
  game_->Pause1Click();
  MainMenu1.Pause1->setChecked(model_.Settings.Paused);
}

void TMainForm::Stop1Click() {
  game_->Stop1Click();
  MainMenu1.Pause1->setChecked(model_.Settings.Paused);
}

void TMainForm::ShowNewMenuItem() { MainMenu1.New1->setVisible(true); }

// Closing runs FormClose, whichever way the window is closed.
void TMainForm::Exit1Click() { close(); }

void TMainForm::Names1Click() {}    // not yet: the options dialog, on its "Names" page
void TMainForm::Options2Click() {}  // not yet: the options dialog, on its "Colors" page
void TMainForm::View1Click() {}     // not yet: the options dialog, on its "View" page
void TMainForm::Report1Click() {}   // not yet: the options dialog, on its "Report" page
void TMainForm::Other1Click() {}    // not yet: the options dialog, on its "Other" page

void TMainForm::BrickTypes1Click() { presentation_->screens.BrickTypes1Click(); }
void TMainForm::keys1Click() { presentation_->screens.keys1Click(); }
void TMainForm::HighScores1Click() { presentation_->screens.HighScores1Click(); }
void TMainForm::About1Click() { presentation_->screens.About1Click(); }

void TMainForm::keyPressEvent(QKeyEvent* event) {
  // F2 is New's shortcut; the window takes it, rather than the item, so that
  // it works while the item is hidden (as it stays after a game until the
  // Game menu opens again).
  constexpr Qt::KeyboardModifiers kShiftKeys =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event->key() == Qt::Key_F2 && !(event->modifiers() & kShiftKeys) && !event->isAutoRepeat()) New1Click();
  if (const std::optional<KeyDown> keyDown = TranslateKeyEvent(*event))
    game_->FormKeyDown(keyDown->key, keyDown->shift);
}

NewGameChoice TMainForm::NewGameControls() { return NewForm->Choice(); }

void TMainForm::ShowMessage(const std::string& text) { ShowPlainBox(this, QMessageBox::NoIcon, FromLatin1(text)); }

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

// Switching on a running timer leaves its beat where it is; start() would
// begin the period afresh.
void TMainForm::SetTimerEnabled(GameTimer timer, bool enabled) {
  const bool running = TimerEnabled(timer);
  if (enabled == running) return;
  if (timer == GameTimer::Game) {
    enabled ? Timer.start() : Timer.stop();
  } else {
    enabled ? ReportTimer.start() : ReportTimer.stop();
  }
}

bool TMainForm::TimerEnabled(GameTimer timer) const {
  return timer == GameTimer::Game ? Timer.isActive() : ReportTimer.isActive();
}

void TMainForm::SetTimerInterval(GameTimer timer, int milliseconds) {
  timer == GameTimer::Game ? Timer.setInterval(milliseconds) : ReportTimer.setInterval(milliseconds);
}

void TMainForm::MediaStop(MediaPlayer player) { players_->Stop(player); }
void TMainForm::MediaPlay(MediaPlayer player) { players_->Play(player); }
void TMainForm::MediaPlayFromStart(MediaPlayer player) { players_->PlayFromStart(player); }

HighScoreStore& TMainForm::HighScores() { return *highScores_; }

std::uint32_t TMainForm::ClockSeed() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace coilrun
