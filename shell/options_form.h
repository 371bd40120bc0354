// The options dialog: names, colours, the looks of snakes and bricks, the
// report text, wrap, long snakes, sounds, music and speed. Every change
// takes effect at once, also on a game in play behind the dialog; nothing
// is written before the program exits.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/model.h"

class QCheckBox;
class QColorDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace coilrun {

class GameOptions;

class OptionsForm : public QDialog {
  Q_OBJECT

 public:
  enum Page { NamesPage, ColorsPage, ViewPage, ReportPage, OtherPage };

  // Takes its first state from the game's settings, which must be loaded,
  // with the title page showing. Its controls are built, showing that
  // state, when the dialog is first shown or given a page.
  OptionsForm(GameOptions& options, const GameModel& model, QWidget* parent = nullptr);
  void setVisible(bool visible) override;

  // Shows the dialog modally on one page. Timers and music go on behind it.
  void ShowOnPage(Page page);
  // Pages beyond the five, each after those before it.
  void AddPage(QWidget* page, const QString& caption);
  void ShowOnPage(QWidget* page);

 signals:
  // The fill of the frame behind the field or behind the report panel changed.
  void FrameColorsChanged();
  // The controls have just been built, at the dialog's first showing: the
  // moment to add pages of one's own after the five.
  void ControlsBuilt();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // What the controls show when they are built: the settings as they were
  // when the dialog was created.
  struct FirstState {
    bool reEnterName = false;
    std::array<std::string, kMaxPlayers> names;
    std::array<Color, kMaxPlayers> colors{};
    int reportInterval = 0;
    int reportStep = 0;
    std::uint8_t reportMode = 0;
  };

  void BuildControls();
  void LayOut();
  QWidget* NamesPageLayOut();
  QWidget* ColorsPageLayOut();
  QWidget* ViewPageLayOut();
  QWidget* ReportPageLayOut();
  QWidget* OtherPageLayOut();
  void ConnectHandlers();
  void FormCreate();
  void ShowFirstState();
  void FormShow();

  // Players 1..4.
  void NameEditExit(int player);
  void ReEnterNameBox1Click();
  void ColorBoxClick(int player);
  void ColorBox5Click();
  void ColorBox6Click();
  void SnakeFrame1Click();
  void BrickFrame1Click();
  void MixBricksColors1Click();
  void ShowMessages1Click();
  void SnakeBoxClick();
  void BrickBoxClick();
  // leftRadio_, centerRadio_ and movingRadio_: report modes 0, 1 and 2.
  void ReportRadioClick(std::uint8_t mode);
  void Set_MovingEnables();
  void IntervalEditChange();
  void StepEditChange();
  void ResetButtonClick();
  void Wrap1Click();
  void Long1Click();
  void Sounds1Click();
  void Music1Click();
  void TrackBarChange();
  // "Slow", "Medium", "Fast" and "Super fast".
  void SpeedLabelClick(int position);
  void CloseButtonClick();

  // nullopt when the player cancels the chooser.
  std::optional<Color> ChooseColor(Color preset);

  GameOptions& options_;
  const GameModel& model_;
  std::uint8_t sampleSnakePlayer_ = 1;
  FirstState firstState_;

  QTabWidget* pageControl_ = nullptr;
  std::array<QLineEdit*, kMaxPlayers> nameEdits_{};
  QCheckBox* reEnterNameBox_ = nullptr;
  // ColorBox1..ColorBox4 for the players, ColorBox5 background, ColorBox6
  // report panel.
  std::array<QFrame*, kMaxPlayers + 2> colorBoxes_{};
  QCheckBox* snakeFrameBox_ = nullptr;
  QCheckBox* brickFrameBox_ = nullptr;
  QWidget* sampleShape_ = nullptr;
  QWidget* snakeBox_ = nullptr;
  QWidget* brickBox_ = nullptr;
  QCheckBox* mixBricksColorsBox_ = nullptr;
  QCheckBox* showMessagesBox_ = nullptr;
  QRadioButton* leftRadio_ = nullptr;
  QRadioButton* centerRadio_ = nullptr;
  QRadioButton* movingRadio_ = nullptr;
  QLabel* intervalLabel_ = nullptr;
  QSpinBox* intervalEdit_ = nullptr;
  QLabel* stepLabel_ = nullptr;
  QSpinBox* stepEdit_ = nullptr;
  QPushButton* resetButton_ = nullptr;
  QCheckBox* wrapBox_ = nullptr;
  QCheckBox* longBox_ = nullptr;
  QCheckBox* soundsBox_ = nullptr;
  QCheckBox* musicBox_ = nullptr;
  QSlider* trackBar_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QColorDialog* colorDialog_ = nullptr;
};

}  // namespace coilrun
