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
#include <exception>

#include "engine/keys.h"
#include "game/menu_state.h"
#include "game/stored_settings.h"
#include "shell/key_translation.h"
#include "shell/seat_options.h"
#include "shell/settings_file.h"
#include "shell/window_parts.h"
#include "shell/window_zoom.h"

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

// Runs every step even when one fails: the player reads the step's message
// and goes on with a window that lacks only what that step would have made.
template <std::size_t N>
void RunEachStep(MainForm& form, const std::array<void (MainForm::*)(), N>& steps) {
  for (const auto step : steps) {
    try {
      (form.*step)();
    } catch (const std::exception& failure) {
      // A failure of the system (the memory, say) rather than of a file.
      form.ShowFailure(FileError(failure.what()));
    }
  }
}

}  // namespace

MainForm::MainForm(const QString& dataDirectory, const QString& levelFileName, QWidget* parent)
    : QMainWindow(parent),
      dataDirectory_(dataDirectory.toStdString()),
      commandLineLevelFile_(levelFileName),
      menu_(*this) {
  setWindowTitle(QStringLiteral("coilrun"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFocusPolicy(Qt::StrongFocus);
  timer_.setParent(this);
  timer_.setObjectName(QStringLiteral("Timer"));
  timer_.setInterval(kDesignTimerInterval);
  reportTimer_.setParent(this);
  reportTimer_.setObjectName(QStringLiteral("ReportTimer"));
  reportTimer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &BeatTimer::timeout, this, [this] {
    Surfaces::PaintersKept kept(presentation_->surfaces);
    game_->TimerTimer();
  });
  connect(&reportTimer_, &QTimer::timeout, this, [this] { game_->ReportTimerTimer(); });
  connect(&players_, &MediaPlayers::PlayFinished, this, [this](SoundPlayer player, bool reachedEnd) {
    if (player == SoundPlayer::Music && game_) game_->MusicPlayerNotify(reachedEnd);
  });
  connect(&players_, &MediaPlayers::OpenFailed, this,
          [this](const QString& message) { ShowFailure(FileError(message.toStdString())); });
  ConnectMenu();
  FormCreate();
  CreateDialogs();
  setWindowIcon(iconAhead_.Take());
}

MainForm::~MainForm() = default;

// The order matters: the settings come before everything that reads them,
// and the screens are prepared before a command-line game covers them.
void MainForm::FormCreate() {
  RunEachStep<13>(*this,
                  {&MainForm::FormFilePaths, &MainForm::UnpackSoundsAhead, &MainForm::CreateHighScoreFile,
                   &MainForm::LoadSettingsFile, &MainForm::LoadExtraOptions, &MainForm::CreateViewAndGame,
                   &MainForm::ExtractSounds, &MainForm::LayOut, &MainForm::StartMusic, &MainForm::FillTablesAndLevels,
                   &MainForm::PreparePictureScreens, &MainForm::StartCommandLineGame, &MainForm::SetReportInterval});
}

void MainForm::FormFilePaths() {
  highScoreFile_ = dataDirectory_ / kHighScoreFileName;
  settingsFile_ = dataDirectory_ / "settings.dat";
  audioArchive_ = FindAudioArchive(QCoreApplication::applicationDirPath().toStdString());
  highScores_ = std::make_unique<FileHighScores>(highScoreFile_, *this);
  extraOptions_ = std::make_unique<CoilrunIni>(dataDirectory_ / kCoilrunIniName);
}

// The files are written while the next steps build the window; the sound
// step waits for them and tells what went wrong in its turn.
void MainForm::UnpackSoundsAhead() { soundsUnpacked_ = coilrun::UnpackSoundsAhead(audioArchive_, dataDirectory_); }

void MainForm::CreateHighScoreFile() { highScores_->WriteDefaultsWhenMissing(); }

// The model starts from the stored settings, before the game and its views
// exist.
void MainForm::LoadSettingsFile() {
  const SettingsLoad loaded = LoadSettings(settingsFile_);
  ApplyStoredSettings(model_, loaded.stored);
  if (loaded.failure) ShowFailure(*loaded.failure);
}

void MainForm::LoadExtraOptions() {
  if (const FileResult failure = extraOptions_->Load()) ShowFailure(*failure);
}

// The surfaces take their first colours from the settings.
void MainForm::CreateViewAndGame() {
  presentation_ = std::make_unique<Presentation>(model_, *highScores_);
  sessions_ = std::make_unique<GameSessions>(
      model_,
      GamePorts{.prompts = *this, .timers = *this, .sounds = players_, .highScores = *highScores_, .clock = clock_});
  gameParts_ = std::make_unique<GameParts>(model_, presentation_->views(), sessions_->ports());
  sessions_->Plug(*gameParts_);
  game_ = std::make_unique<Game>(*gameParts_);
}

// Unpacked here only when the step before could not start its thread.
void MainForm::ExtractSounds() {
  const SoundUnpackResult unpacked =
      soundsUnpacked_.valid() ? soundsUnpacked_.get() : UnpackAudioArchive(audioArchive_, dataDirectory_);
  const SoundSetup setup = OpenSounds(model_.Settings.Music, players_, unpacked, dataDirectory_);
  game_->options().SetSoundFiles(setup.files);
  if (setup.failure) ShowFailure(*setup.failure);
}

void MainForm::LayOut() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  const auto place = [](QWidget* component, const char* name, const QRect& geometry) {
    component->setObjectName(QLatin1String(name));
    component->setGeometry(geometry);
    return component;
  };
  backShape_ = place(new ShapeWidget(model_.Settings.BackColor, client), "BackShape",
                     {kMargin, kMargin, kBackShapeWidth, kBackShapeHeight});
  paintBox_ = place(new SurfaceWidget(presentation_->surfaces.field(), client), "PaintBox",
                    {kMargin + 2, kMargin + 2, kFieldWidth, kFieldHeight});
  reportShape_ = place(new ShapeWidget(model_.Settings.ReportColor, client), "ReportShape",
                       {kMargin, kReportShapeTop, kBackShapeWidth, kReportShapeHeight});
  reportCanvas_ = place(new SurfaceWidget(presentation_->surfaces.report(), client), "ReportCanvas",
                        {kMargin + 1, kReportShapeTop + 1, kReportWidth, kReportHeight});
  zoom_ = new WindowZoom(*this, *menu_.OptionsMenu, extraOptions_.get());

  presentation_->surfaces.setChangeListener([this](Surface surface, const QRect& pixels) {
    zoom_->ShowChange(*(surface == Surface::Field ? paintBox_ : reportCanvas_), pixels);
  });
}

void MainForm::StartMusic() {
  if (model_.Settings.Music) players_.Play(SoundPlayer::Music);
}

void MainForm::FillTablesAndLevels() {
  presentation_->report.InitMessages(clock_.ClockSeed());
  game_->CopyBuiltInLevels();
}

// Each page is shown once, so the title page, shown last, is the one the
// window opens on.
void MainForm::PreparePictureScreens() { game_->PrepareInformationScreens(); }

void MainForm::StartCommandLineGame() {
  if (!commandLineLevelFile_.isEmpty()) game_->StartCommandLineGame(commandLineLevelFile_.toStdString());
}

void MainForm::SetReportInterval() { reportTimer_.setInterval(model_.Settings.ReportInterval); }

// The dialogs take their first state from the settings, so they follow
// FormCreate.
void MainForm::CreateDialogs() {
  optionsForm_ = new OptionsForm(game_->options(), model_, this);
  connect(optionsForm_, &OptionsForm::FrameColorsChanged, this, [this] {
    zoom_->ShowChange(*backShape_);
    zoom_->ShowChange(*reportShape_);
  });
  newForm_ = new NewForm(
      *game_, [this](const QString& preset) { return openDialog_.Execute(preset); }, this);
  replays_ = new ReplayControl(*this, *menu_.GameMenu, *game_, *gameParts_, *sessions_, *this);
  network_ = new NetworkControl(*this, *menu_.GameMenu, *game_, *gameParts_, *sessions_, *this);
  levelEditor_ = new LevelEditorLauncher(*game_, model_, *this);
  input_ = std::make_unique<PlayerInput>(PlayerInput::Window{
      *this, *extraOptions_, model_, *this, *this,
      [this](const KeyDown& key) { game_->FormKeyDown(key.key, key.shift); }, [this] { Pause1Click(); }});
  input_->HookInto(*optionsForm_, *menu_.OptionsMenu, presentation_->screens);
  newForm_->SetSeats(SeatOptions(*extraOptions_).Read());
}

void MainForm::OpenLevelEditor(const QString& levelFile) { levelEditor_->Open(levelFile); }

void MainForm::FormClose() {
  RunEachStep<4>(*this, {&MainForm::EndGameOnBoard, &MainForm::SaveSettingsFile, &MainForm::SaveExtraOptions,
                         &MainForm::DeleteSoundFiles});
}

void MainForm::EndGameOnBoard() { game_->ShutDown(); }

// A failed save is reported, but never keeps the player from closing the game.
void MainForm::SaveSettingsFile() {
  if (const FileResult failure = SaveSettings(StoredSettingsOf(model_), settingsFile_)) ShowFailure(*failure);
}

void MainForm::SaveExtraOptions() {
  if (newForm_ != nullptr) SeatOptions(*extraOptions_).Write(newForm_->Choice().Seats);
  if (const FileResult failure = extraOptions_->Save()) ShowFailure(*failure);
}

void MainForm::DeleteSoundFiles() { coilrun::DeleteSoundFiles(model_.Settings.NoSoundFiles, players_, dataDirectory_); }

void MainForm::closeEvent(QCloseEvent* event) {
  if (levelEditor_ != nullptr && !levelEditor_->MayCloseWindow()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void MainForm::ConnectMenu() {
  const MainMenu& menu = menu_;
  connect(menu.GameMenu, &QMenu::aboutToShow, this, &MainForm::Game1Click);
  connect(menu.HelpMenu, &QMenu::aboutToShow, this, &MainForm::Help1Click);
  const std::array<std::pair<QAction*, void (MainForm::*)()>, 13> handlers = {{
      {menu.NewItem, &MainForm::New1Click},
      {menu.PauseItem, &MainForm::Pause1Click},
      {menu.StopItem, &MainForm::Stop1Click},
      {menu.ExitItem, &MainForm::Exit1Click},
      {menu.NamesItem, &MainForm::Names1Click},
      {menu.ColorsItem, &MainForm::Options2Click},
      {menu.ViewItem, &MainForm::View1Click},
      {menu.ReportItem, &MainForm::Report1Click},
      {menu.OtherItem, &MainForm::Other1Click},
      {menu.BrickTypesItem, &MainForm::BrickTypes1Click},
      {menu.KeysItem, &MainForm::keys1Click},
      {menu.HighScoresItem, &MainForm::HighScores1Click},
      {menu.AboutItem, &MainForm::About1Click},
  }};
  for (const auto& [item, handler] : handlers) connect(item, &QAction::triggered, this, handler);
  connect(menu.LevelEditorItem, &QAction::triggered, this, [this] { OpenLevelEditor(QString()); });
}

void MainForm::Game1Click() {
  const GameMenuState items = MenuStateFor(model_);
  menu_.NewItem->setVisible(items.NewVisible);
  menu_.PauseItem->setVisible(items.PauseVisible);
  menu_.PauseItem->setChecked(items.PauseChecked);
  menu_.StopItem->setVisible(items.StopVisible);
  menu_.LevelEditorItem->setVisible(items.NewVisible);
}

void MainForm::Help1Click() {
  const bool enabled = MenuStateFor(model_).HelpItemsEnabled;
  for (QAction* item : {menu_.BrickTypesItem, menu_.KeysItem, menu_.HighScoresItem, menu_.AboutItem})
    item->setEnabled(enabled);
}

// Makes its own test, so F2 does nothing while a game is in play or paused,
// whatever the menu last showed.
void MainForm::New1Click() {
  if (GameInPlay(model_)) return;
  newForm_->exec();
}

// The item checks itself when chosen; the game's state decides instead.
void MainForm::Pause1Click() {
  game_->Pause1Click();
  menu_.PauseItem->setChecked(model_.Settings.Paused);
}

void MainForm::Stop1Click() {
  game_->Stop1Click();
  menu_.PauseItem->setChecked(model_.Settings.Paused);
}

// Closing runs FormClose, whichever way the window is closed.
void MainForm::Exit1Click() { close(); }

// The game goes on behind the dialog: its timers and the music are not stopped.
void MainForm::Names1Click() { optionsForm_->ShowOnPage(OptionsForm::NamesPage); }
void MainForm::Options2Click() { optionsForm_->ShowOnPage(OptionsForm::ColorsPage); }
void MainForm::View1Click() { optionsForm_->ShowOnPage(OptionsForm::ViewPage); }
void MainForm::Report1Click() { optionsForm_->ShowOnPage(OptionsForm::ReportPage); }
void MainForm::Other1Click() { optionsForm_->ShowOnPage(OptionsForm::OtherPage); }

void MainForm::BrickTypes1Click() { game_->ShowHelpScreen(BrickTypesScreen); }
void MainForm::keys1Click() { game_->ShowHelpScreen(KeysScreen); }
void MainForm::HighScores1Click() { game_->ShowHelpScreen(HighScoreScreen); }
void MainForm::About1Click() { game_->ShowHelpScreen(AboutScreen); }

void MainForm::keyPressEvent(QKeyEvent* event) {
  // F2 is New's shortcut; the window takes it, rather than the item, so that
  // it works while the item is hidden (as it stays after a game until the
  // Game menu opens again).
  constexpr Qt::KeyboardModifiers kShiftKeys =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event->key() == Qt::Key_F2 && !(event->modifiers() & kShiftKeys) && !event->isAutoRepeat()) New1Click();
  const std::optional<KeyDown> keyDown = input_->KeyPressed(*event);
  if (!keyDown) return;
  // Ctrl alone with F12 skips to a built-in level, with the new game
  // dialog's choices as they stand.
  if (keyDown->shift == ShiftCtrl && keyDown->key == VkF12) game_->Startlevel1Click(newForm_->Choice());
  game_->FormKeyDown(keyDown->key, keyDown->shift);
}

void MainForm::ShowMessage(const std::string& text) { ShowPlainBox(this, QMessageBox::NoIcon, FromLatin1(text)); }

void MainForm::ShowFailure(const FileError& failure) {
  ShowPlainBox(this, QMessageBox::Critical, QString::fromStdString(failure.text()));
}

std::optional<std::string> MainForm::InputBox(const std::string& caption, const std::string& prompt,
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
void MainForm::SetTimerEnabled(GameTimer timer, bool enabled) {
  const bool running = TimerEnabled(timer);
  if (enabled == running) return;
  if (timer == GameTimer::Game) {
    enabled ? timer_.start() : timer_.stop();
    players_.KeepAwake(enabled);
  } else {
    enabled ? reportTimer_.start() : reportTimer_.stop();
  }
}

bool MainForm::TimerEnabled(GameTimer timer) const {
  return timer == GameTimer::Game ? timer_.isActive() : reportTimer_.isActive();
}

void MainForm::SetTimerInterval(GameTimer timer, int milliseconds) {
  timer == GameTimer::Game ? timer_.setInterval(milliseconds) : reportTimer_.setInterval(milliseconds);
}

}  // namespace coilrun
