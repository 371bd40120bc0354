#include "shell/options_form.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <initializer_list>
#include <string>

#include "game/game_options.h"
#include "present/cell_looks.h"
#include "present/option_samples.h"
#include "shell/dialog_parts.h"

namespace coilrun {

namespace {

constexpr int kBackColorBox = kMaxPlayers;
constexpr int kReportColorBox = kMaxPlayers + 1;
constexpr QSize kSwatchSize(105, 17);

constexpr int kReportIntervalStep = 5;

// Names are kept as single-byte characters: a character beyond Latin-1
// cannot be typed.
class Latin1Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*position*/) const override {
    for (const QChar character : input) {
      if (character.unicode() > 0xFF) return Invalid;
    }
    return Acceptable;
  }
};

// The frame behind the two samples; the samples are painted with it, from
// the game's settings, at every paint.
class SamplePicture : public QWidget {
 public:
  SamplePicture(const GameModel& model, const std::uint8_t& sampleSnakePlayer)
      : model_(model), sampleSnakePlayer_(sampleSnakePlayer) {
    setFixedSize(kSampleShapeSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    Draw_Snake_Bricks_Type(painter, model_, sampleSnakePlayer_);
  }

 private:
  const GameModel& model_;
  const std::uint8_t& sampleSnakePlayer_;
};

QString FromLatin1(const std::string& text) { return QString::fromLatin1(text.data(), std::ssize(text)); }

void ShowColor(QFrame* swatch, Color color) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  swatch->setPalette(palette);
}

void ShowFieldColor(QLineEdit* field, Color color) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ToQColor(color));
  field->setPalette(palette);
}

QFrame* NewSwatch(const char* name) {
  auto* swatch = Named<QFrame>(name);
  swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
  swatch->setFixedSize(kSwatchSize);
  swatch->setAutoFillBackground(true);
  return swatch;
}

// A spin box whose value only its arrows change.
QSpinBox* NewArrowSpinBox(const char* name, int minimum, int maximum, int step) {
  auto* spinBox = Named<QSpinBox>(name);
  spinBox->setRange(minimum, maximum);
  spinBox->setSingleStep(step);
  if (auto* text = spinBox->findChild<QLineEdit*>()) text->setReadOnly(true);
  return spinBox;
}

// A control above the label that names it.
QVBoxLayout* Captioned(QWidget* control, QLabel* caption) {
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  column->addWidget(control);
  column->addWidget(caption);
  return column;
}

// A group of controls one above the other, each at its natural width.
QGroupBox* ColumnGroup(const char* name, const QString& caption, std::initializer_list<QWidget*> controls) {
  auto* group = Named<QGroupBox>(name, caption);
  auto* column = new QVBoxLayout(group);
  for (QWidget* control : controls) column->addWidget(control, 0, Qt::AlignLeft);
  return group;
}

// A page of groups one above the other, the room left over below them.
QWidget* StackedPage(const char* name, std::initializer_list<QWidget*> groups) {
  auto* page = Named<QWidget>(name);
  auto* column = new QVBoxLayout(page);
  for (QWidget* group : groups) column->addWidget(group);
  column->addStretch();
  return page;
}

void OnToggled(QCheckBox* box, QObject* receiver, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, receiver, [handler = std::move(handler)] { handler(); });
}

}  // namespace

OptionsForm::OptionsForm(GameOptions& options, const GameModel& model, QWidget* parent)
    : QDialog(parent), options_(options), model_(model) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Options"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  FormCreate();
}

void OptionsForm::setVisible(bool visible) {
  if (visible) BuildControls();
  QDialog::setVisible(visible);
}

// The controls take the first state before their handlers are connected:
// what that state does to the game was done when the dialog was created.
void OptionsForm::BuildControls() {
  if (pageControl_ != nullptr) return;
  LayOut();
  ShowFirstState();
  ConnectHandlers();
  Set_MovingEnables();
  emit ControlsBuilt();
}

void OptionsForm::LayOut() {
  pageControl_ = Named<QTabWidget>("PageControl");
  // Every tab shows at once; the dialog is as wide as they need.
  pageControl_->setUsesScrollButtons(false);
  pageControl_->addTab(NamesPageLayOut(), QStringLiteral("Names"));
  pageControl_->addTab(ColorsPageLayOut(), QStringLiteral("Colors"));
  pageControl_->addTab(ViewPageLayOut(), QStringLiteral("View"));
  pageControl_->addTab(ReportPageLayOut(), QStringLiteral("Report"));
  pageControl_->addTab(OtherPageLayOut(), QStringLiteral("Other"));

  closeButton_ = Named<QPushButton>("CloseButton", QStringLiteral("&Close"));
  // Return closes the dialog. Left to itself, the dialog would give Return
  // to the first button after the focus, which can be the reset.
  closeButton_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(closeButton_);
  buttons->addStretch();

  auto* form = new QVBoxLayout(this);
  form->setSizeConstraint(QLayout::SetFixedSize);
  form->addWidget(pageControl_);
  form->addLayout(buttons);
}

QWidget* OptionsForm::NamesPageLayOut() {
  auto* names = Named<QGroupBox>("PlayerNamesGroup", QStringLiteral(" Player names "));
  auto* grid = new QGridLayout(names);
  auto* validator = new Latin1Validator(this);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const std::string name = "NameEdit" + std::to_string(player);
    QLineEdit* field = nameEdits_[player - 1] = Named<QLineEdit>(name.c_str());
    field->setMaxLength(kMaxNameLength);
    field->setValidator(validator);
    // Players 1 and 2 on the left, 3 and 4 on the right.
    grid->addLayout(Captioned(field, new QLabel(QStringLiteral("Player %1").arg(player))), (player - 1) % 2,
                    (player - 1) / 2);
  }

  reEnterNameBox_ = Named<QCheckBox>("ReEnterNameBox1", QStringLiteral("&Reenter name for highscore table"));
  return StackedPage("NamesSheet", {names, ColumnGroup("HighScoreDialogGroup", QStringLiteral(" High score dialog "),
                                                       {reEnterNameBox_})});
}

QWidget* OptionsForm::ColorsPageLayOut() {
  const auto swatchWithLabel = [this](int box, const char* name, const QString& caption) {
    QFrame* swatch = colorBoxes_[box] = NewSwatch(name);
    auto* label = new QLabel(caption);
    const auto click = [this, box] {
      if (box == kBackColorBox)
        ColorBox5Click();
      else if (box == kReportColorBox)
        ColorBox6Click();
      else
        ColorBoxClick(box + 1);
    };
    OnClick(swatch, click);
    OnClick(label, click);
    return Captioned(swatch, label);
  };

  auto* players = Named<QGroupBox>("PlayerColorsGroup", QStringLiteral(" Player colors "));
  auto* grid = new QGridLayout(players);
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const std::string name = "ColorBox" + std::to_string(player);
    grid->addLayout(swatchWithLabel(player - 1, name.c_str(), QStringLiteral("Player %1").arg(player)),
                    (player - 1) % 2, (player - 1) / 2);
  }

  auto* others = Named<QGroupBox>("OtherColorsGroup", QStringLiteral(" Other colors "));
  auto* row = new QHBoxLayout(others);
  row->addLayout(swatchWithLabel(kBackColorBox, "ColorBox5", QStringLiteral("Background")));
  row->addLayout(swatchWithLabel(kReportColorBox, "ColorBox6", QStringLiteral("Report panel")));

  return StackedPage("ColorsSheet", {players, others});
}

QWidget* OptionsForm::ViewPageLayOut() {
  sampleShape_ = new SamplePicture(model_, sampleSnakePlayer_);
  sampleShape_->setObjectName(QStringLiteral("Shape"));
  snakeBox_ = Named<QWidget>("SnakeBox", sampleShape_);
  snakeBox_->setGeometry(kSnakeBoxRect);
  brickBox_ = Named<QWidget>("BrickBox", sampleShape_);
  brickBox_->setGeometry(kBrickBoxRect);
  snakeFrameBox_ = Named<QCheckBox>("SnakeFrame1", QStringLiteral("&Snake Frame"));
  brickFrameBox_ = Named<QCheckBox>("BrickFrame1", QStringLiteral("&Brick Frame"));

  // Each caption and check box stands over or under its own sample.
  auto* samples = new QWidget;
  auto* grid = new QGridLayout(samples);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Snakes")), 0, 0, Qt::AlignHCenter);
  grid->addWidget(new QLabel(QStringLiteral("Bricks")), 0, 1, Qt::AlignHCenter);
  grid->addWidget(sampleShape_, 1, 0, 1, 2);
  grid->addWidget(snakeFrameBox_, 2, 0, Qt::AlignHCenter);
  grid->addWidget(brickFrameBox_, 2, 1, Qt::AlignHCenter);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  auto* looks = Named<QGroupBox>("LooksGroup", QStringLiteral(" Snakes && bricks "));
  (new QVBoxLayout(looks))->addWidget(samples, 0, Qt::AlignHCenter);

  mixBricksColorsBox_ = Named<QCheckBox>("MixBricksColors1", QStringLiteral("&Different bricks colors"));
  showMessagesBox_ = Named<QCheckBox>("ShowMessages1", QStringLiteral("Show &message on finished level"));
  return StackedPage("ViewSheet", {looks, ColumnGroup("ColorsAndMessagesGroup", QStringLiteral(" Colors && messages "),
                                                      {mixBricksColorsBox_, showMessagesBox_})});
}

QWidget* OptionsForm::ReportPageLayOut() {
  auto* text = Named<QGroupBox>("ReportTextGroup", QStringLiteral(" Report text "));
  leftRadio_ = Named<QRadioButton>("LeftRadio", QStringLiteral("&Left"));
  centerRadio_ = Named<QRadioButton>("CenterRadio", QStringLiteral("&Center"));
  movingRadio_ = Named<QRadioButton>("MovingRadio", QStringLiteral("&Moving"));
  intervalLabel_ = Named<QLabel>("IntervalLabel", QStringLiteral("Interval"));
  intervalEdit_ = NewArrowSpinBox("IntervalEdit", kMinReportInterval, kMaxReportInterval, kReportIntervalStep);
  stepLabel_ = Named<QLabel>("StepLabel", QStringLiteral("Step"));
  stepEdit_ = NewArrowSpinBox("StepEdit", kMinReportStep, kMaxReportStep, 1);
  auto* grid = new QGridLayout(text);
  grid->addWidget(leftRadio_, 0, 0);
  grid->addWidget(centerRadio_, 1, 0);
  grid->addWidget(movingRadio_, 2, 0);
  grid->addWidget(intervalLabel_, 0, 1, Qt::AlignRight);
  grid->addWidget(intervalEdit_, 0, 2);
  grid->addWidget(stepLabel_, 1, 1, Qt::AlignRight);
  grid->addWidget(stepEdit_, 1, 2);
  grid->setColumnStretch(0, 1);

  resetButton_ = Named<QPushButton>("ResetButton", QStringLiteral("&Reset highscore table"));
  resetButton_->setAutoDefault(false);
  return StackedPage("ReportSheet",
                     {text, ColumnGroup("HighScoreGroup", QStringLiteral(" High score "), {resetButton_})});
}

QWidget* OptionsForm::OtherPageLayOut() {
  wrapBox_ = Named<QCheckBox>("Wrap1", QStringLiteral("&Wrap"));
  longBox_ = Named<QCheckBox>("Long1", QStringLiteral("&Long"));
  QGroupBox* const moving = ColumnGroup("MovingGroup", QStringLiteral(" Moving "), {wrapBox_, longBox_});
  soundsBox_ = Named<QCheckBox>("Sounds1", QStringLiteral("&Sounds"));
  musicBox_ = Named<QCheckBox>("Music1", QStringLiteral("&Music"));
  QGroupBox* const listening = ColumnGroup("ListeningGroup", QStringLiteral(" Listening "), {soundsBox_, musicBox_});

  auto* speed = Named<QGroupBox>("SpeedGroup", QStringLiteral(" Speed "));
  trackBar_ = Named<QSlider>("TrackBar", Qt::Horizontal);
  trackBar_->setRange(kMinSpeed, kMaxSpeed);
  trackBar_->setSingleStep(1);
  trackBar_->setTickPosition(QSlider::NoTicks);
  // Each label lies over its own position of the slider, roughly.
  auto* labels = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
    int position;
  } kSpeedLabels[] = {{"SlowLabel", "Slow", 1},
                      {"MediumLabel", "Medium", 4},
                      {"FastLabel", "Fast", 7},
                      {"SuperFastLabel", "Super fast", 10}};
  for (const auto& [name, caption, position] : kSpeedLabels) {
    if (position != kMinSpeed) labels->addStretch();
    auto* label = Named<QLabel>(name, QLatin1String(caption));
    OnClick(label, [this, position = position] { SpeedLabelClick(position); });
    labels->addWidget(label);
  }
  auto* speedColumn = new QVBoxLayout(speed);
  speedColumn->addLayout(labels);
  speedColumn->addWidget(trackBar_);

  auto* page = Named<QWidget>("OtherSheet");
  auto* grid = new QGridLayout(page);
  grid->addWidget(moving, 0, 0);
  grid->addWidget(listening, 0, 1);
  grid->addWidget(speed, 1, 0, 1, 2);
  grid->setRowStretch(2, 1);
  return page;
}

// Every check box, radio button and spin box runs its handler whenever its
// state changes, by the player or by the program; the slider only when the
// player moves it.
void OptionsForm::ConnectHandlers() {
  for (int player = 1; player <= kMaxPlayers; ++player)
    connect(nameEdits_[player - 1], &QLineEdit::editingFinished, this, [this, player] { NameEditExit(player); });
  OnToggled(reEnterNameBox_, this, [this] { ReEnterNameBox1Click(); });
  OnToggled(snakeFrameBox_, this, [this] { SnakeFrame1Click(); });
  OnToggled(brickFrameBox_, this, [this] { BrickFrame1Click(); });
  OnToggled(mixBricksColorsBox_, this, [this] { MixBricksColors1Click(); });
  OnToggled(showMessagesBox_, this, [this] { ShowMessages1Click(); });
  OnToggled(wrapBox_, this, [this] { Wrap1Click(); });
  OnToggled(longBox_, this, [this] { Long1Click(); });
  OnToggled(soundsBox_, this, [this] { Sounds1Click(); });
  OnToggled(musicBox_, this, [this] { Music1Click(); });
  OnClick(snakeBox_, [this] { SnakeBoxClick(); });
  OnClick(brickBox_, [this] { BrickBoxClick(); });
  const std::uint8_t modes[] = {ReportLeft, ReportCenter, ReportMoving};
  QRadioButton* const radios[] = {leftRadio_, centerRadio_, movingRadio_};
  for (int i = 0; i < 3; ++i) {
    connect(radios[i], &QRadioButton::toggled, this, [this, mode = modes[i]](bool selected) {
      if (selected) ReportRadioClick(mode);
    });
  }
  connect(intervalEdit_, &QSpinBox::valueChanged, this, &OptionsForm::IntervalEditChange);
  connect(stepEdit_, &QSpinBox::valueChanged, this, &OptionsForm::StepEditChange);
  connect(resetButton_, &QPushButton::clicked, this, &OptionsForm::ResetButtonClick);
  connect(trackBar_, &QSlider::valueChanged, this, &OptionsForm::TrackBarChange);
  connect(closeButton_, &QPushButton::clicked, this, &OptionsForm::CloseButtonClick);
}

void OptionsForm::FormCreate() {
  const GameSettings& settings = model_.Settings;
  sampleSnakePlayer_ = 1;
  firstState_.reEnterName = settings.ReEnterName;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    firstState_.names[player - 1] = model_.Players[player].Name;
    firstState_.colors[player - 1] = model_.Players[player].Color;
  }
  // A stored value outside a spin box's range is brought into it, and the
  // value shown is stored back.
  firstState_.reportInterval = std::clamp<int>(settings.ReportInterval, kMinReportInterval, kMaxReportInterval);
  if (firstState_.reportInterval != settings.ReportInterval) options_.SetReportInterval(firstState_.reportInterval);
  firstState_.reportStep = std::clamp<int>(settings.ReportStep, kMinReportStep, kMaxReportStep);
  if (firstState_.reportStep != settings.ReportStep) options_.SetReportStep(firstState_.reportStep);
  // No radio button is selected before, so selecting one always runs its
  // handler: the title page's message pair is drawn again in the stored mode.
  firstState_.reportMode = std::min<std::uint8_t>(settings.ReportMode, ReportMoving);
  options_.SetReportMode(firstState_.reportMode);
}

void OptionsForm::ShowFirstState() {
  reEnterNameBox_->setChecked(firstState_.reEnterName);
  for (int player = 0; player < kMaxPlayers; ++player) {
    nameEdits_[player]->setText(FromLatin1(firstState_.names[player]));
    ShowFieldColor(nameEdits_[player], firstState_.colors[player]);
  }
  intervalEdit_->setValue(firstState_.reportInterval);
  stepEdit_->setValue(firstState_.reportStep);
  QRadioButton* const radios[] = {leftRadio_, centerRadio_, movingRadio_};
  radios[firstState_.reportMode]->setChecked(true);
}

void OptionsForm::FormShow() {
  const GameSettings& settings = model_.Settings;
  for (int player = 1; player <= kMaxPlayers; ++player)
    ShowColor(colorBoxes_[player - 1], model_.Players[player].Color);
  ShowColor(colorBoxes_[kBackColorBox], settings.BackColor);
  ShowColor(colorBoxes_[kReportColorBox], settings.ReportColor);
  // A box whose state changes runs its handler, which stores the same
  // value again; Long's also converts the snakes to what Long says.
  wrapBox_->setChecked(settings.Wrap);
  longBox_->setChecked(settings.Long);
  soundsBox_->setChecked(settings.Sounds);
  musicBox_->setChecked(settings.Music);
  snakeFrameBox_->setChecked(settings.SnakeFrame);
  brickFrameBox_->setChecked(settings.BrickFrame);
  mixBricksColorsBox_->setChecked(settings.MixBricksColors);
  showMessagesBox_->setChecked(settings.ShowMessages);
  {
    const QSignalBlocker fromTheProgram(trackBar_);
    trackBar_->setValue(settings.Speed);
  }
  // A silent run shows both unticked, but keeps the stored choices for a
  // run that has sound again.
  if (settings.NoSoundFiles) {
    for (QCheckBox* box : {soundsBox_, musicBox_}) {
      const QSignalBlocker fromTheProgram(box);
      box->setChecked(false);
      box->setEnabled(false);
    }
  }
}

void OptionsForm::ShowOnPage(Page page) {
  BuildControls();
  pageControl_->setCurrentIndex(page);
  exec();
}

void OptionsForm::AddPage(QWidget* page, const QString& caption) {
  BuildControls();
  pageControl_->addTab(page, caption);
}

void OptionsForm::ShowOnPage(QWidget* page) {
  BuildControls();
  pageControl_->setCurrentWidget(page);
  exec();
}

void OptionsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  FormShow();
  CenterOnScreen(*this);
}

void OptionsForm::NameEditExit(int player) {
  options_.SetPlayerName(player, nameEdits_[player - 1]->text().toLatin1().toStdString());
}

void OptionsForm::ReEnterNameBox1Click() { options_.SetReEnterName(reEnterNameBox_->isChecked()); }

// The chooser is made on first use: building it takes a good part of the
// game's start-up.
std::optional<Color> OptionsForm::ChooseColor(Color preset) {
  if (colorDialog_ == nullptr) {
    colorDialog_ = Named<QColorDialog>("ColorDialog", this);
    colorDialog_->setOption(QColorDialog::DontUseNativeDialog);
  }
  colorDialog_->setCurrentColor(ToQColor(preset));
  if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
  return FromQColor(colorDialog_->selectedColor());
}

void OptionsForm::ColorBoxClick(int player) {
  const std::optional<Color> chosen = ChooseColor(model_.Players[player].Color);
  if (!chosen) return;
  ShowColor(colorBoxes_[player - 1], *chosen);
  options_.SetPlayerColor(player, *chosen);
  ShowFieldColor(nameEdits_[player - 1], *chosen);
}

void OptionsForm::ColorBox5Click() {
  const std::optional<Color> chosen = ChooseColor(model_.Settings.BackColor);
  if (!chosen) return;
  ShowColor(colorBoxes_[kBackColorBox], *chosen);
  options_.SetBackColor(*chosen);
  emit FrameColorsChanged();
}

void OptionsForm::ColorBox6Click() {
  const std::optional<Color> chosen = ChooseColor(model_.Settings.ReportColor);
  if (!chosen) return;
  ShowColor(colorBoxes_[kReportColorBox], *chosen);
  options_.SetReportColor(*chosen);
  emit FrameColorsChanged();
}

void OptionsForm::SnakeFrame1Click() {
  sampleShape_->update();
  options_.SetSnakeFrame(snakeFrameBox_->isChecked());
}

void OptionsForm::BrickFrame1Click() {
  sampleShape_->update();
  options_.SetBrickFrame(brickFrameBox_->isChecked());
}

void OptionsForm::MixBricksColors1Click() {
  sampleShape_->update();
  options_.SetMixBricksColors(mixBricksColorsBox_->isChecked());
}

void OptionsForm::ShowMessages1Click() { options_.SetShowMessages(showMessagesBox_->isChecked()); }

void OptionsForm::SnakeBoxClick() {
  sampleSnakePlayer_ = static_cast<std::uint8_t>(sampleSnakePlayer_ % kMaxPlayers + 1);
  sampleShape_->update();
}

// A chosen brick colour means one colour for all normal bricks.
void OptionsForm::BrickBoxClick() {
  const std::optional<Color> chosen = ChooseColor(model_.Settings.BrickColors[0]);
  if (!chosen) return;
  mixBricksColorsBox_->setChecked(false);
  sampleShape_->update();
  options_.SetBrickColor(*chosen);
}

void OptionsForm::ReportRadioClick(std::uint8_t mode) {
  options_.SetReportMode(mode);
  Set_MovingEnables();
}

void OptionsForm::Set_MovingEnables() {
  const bool moving = movingRadio_->isChecked();
  for (QWidget* control : {static_cast<QWidget*>(intervalLabel_), static_cast<QWidget*>(intervalEdit_),
                           static_cast<QWidget*>(stepLabel_), static_cast<QWidget*>(stepEdit_)})
    control->setEnabled(moving);
}

void OptionsForm::IntervalEditChange() { options_.SetReportInterval(intervalEdit_->value()); }

void OptionsForm::StepEditChange() { options_.SetReportStep(stepEdit_->value()); }

void OptionsForm::ResetButtonClick() { options_.ResetHighScores(); }

void OptionsForm::Wrap1Click() { options_.SetWrap(wrapBox_->isChecked()); }

void OptionsForm::Long1Click() { options_.SetLong(longBox_->isChecked()); }

void OptionsForm::Sounds1Click() { options_.SetSounds(soundsBox_->isChecked()); }

void OptionsForm::Music1Click() { options_.SetMusic(musicBox_->isChecked()); }

void OptionsForm::TrackBarChange() { options_.SetSpeed(trackBar_->value()); }

void OptionsForm::SpeedLabelClick(int position) {
  {
    const QSignalBlocker fromTheProgram(trackBar_);
    trackBar_->setValue(position);
  }
  TrackBarChange();
}

void OptionsForm::CloseButtonClick() { close(); }

}  // namespace coilrun
