// The period of the game's beat at speed 10 (17 ms), measured in the real
// main window with four snakes on the field, as a player sees it: each beat
// is stamped after it has moved and drawn the snakes. Runs of 400 beats take
// turns: four idle snakes (people who press nothing) and four Master
// computers, which choose their keys in every beat. Each is started from the
// new game dialog and then put on the same four lanes of an empty, wrapping
// field. Prints, for each run, the mean period and the deviation from 17 ms
// that 99 % of the beats stay within, then the worst run of each kind. Each
// run is paired with a yardstick: the same beats of a bare kernel timer
// waited on by poll, with no Qt and no game, which shows how late this
// machine wakes any program.
//   coilrun_bench_beat_period [RUNS]       (10 runs of each kind unless given)
// Runs headless unless QT_QPA_PLATFORM names a platform; with
// QT_QPA_PLATFORM=xcb it runs on the X server in DISPLAY.
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "bench/four_snakes.h"
#include "shell/beat_timer.h"
#include "shell/main_form.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

struct RunFigures {
  double meanPeriod;
  double p99Deviation;
  double maxDeviation;
};

// `skip[i]` leaves out the period that ends with beat i.
RunFigures Figures(const std::vector<SteadyClock::time_point>& beats, int interval,
                   const std::vector<bool>& skip = {}) {
  std::vector<double> deviations;
  double sum = 0;
  for (std::size_t i = 1; i < beats.size(); ++i) {
    if (i < skip.size() && skip[i]) continue;
    const double period = std::chrono::duration<double, std::milli>(beats[i] - beats[i - 1]).count();
    sum += period;
    deviations.push_back(std::abs(period - interval));
  }
  std::sort(deviations.begin(), deviations.end());
  const double p99 = deviations[static_cast<std::size_t>(std::ceil(0.99 * deviations.size())) - 1];
  return {sum / deviations.size(), p99, deviations.back()};
}

std::vector<SteadyClock::time_point> BareTimerBeats(int beats, int interval) {
  const int clock = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
  if (clock < 0) {
    std::perror("coilrun_bench_beat_period: the bare timer");
    std::exit(1);
  }
  const timespec period{.tv_sec = 0, .tv_nsec = interval * 1'000'000L};
  const itimerspec every{.it_interval = period, .it_value = period};
  timerfd_settime(clock, 0, &every, nullptr);
  std::vector<SteadyClock::time_point> stamps;
  while (std::ssize(stamps) <= beats) {
    pollfd ready{.fd = clock, .events = POLLIN, .revents = 0};
    std::uint64_t expirations = 0;
    if (poll(&ready, 1, -1) == 1 && read(clock, &expirations, sizeof expirations) == sizeof expirations)
      stamps.push_back(SteadyClock::now());
  }
  close(clock);
  return stamps;
}

constexpr int kLaneRows[] = {3, 10, 17, 24};
constexpr int kTargetRow = 14;

// Four players from the new game dialog, each seat a person's or a Master
// computer's; the dialog is never shown, its Start is clicked.
void StartFourPlayers(QWidget& dialog, bool computers) {
  dialog.findChild<QAbstractButton*>(QStringLiteral("FourPlayers1"))->click();
  for (int player = 1; player <= coilrun::kMaxPlayers; ++player) {
    dialog.findChild<QComboBox*>(QStringLiteral("SeatKind%1").arg(player))->setCurrentIndex(computers ? 1 : 0);
    dialog.findChild<QComboBox*>(QStringLiteral("SeatSkill%1").arg(player))->setCurrentIndex(coilrun::kSkillCount - 1);
  }
  dialog.findChild<QAbstractButton*>(QStringLiteral("StartButton"))->click();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace coilrun;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

  constexpr int kBeats = 400;
  const int interval = GameTimerInterval(10);
  QTemporaryDir dataDirectory;
  MainForm form(dataDirectory.path(), QString());
  form.show();
  auto& beat = *form.findChild<BeatTimer*>(QStringLiteral("Timer"));
  auto& dialog = *form.findChild<QWidget*>(QStringLiteral("NewForm"));
  auto& model = const_cast<GameModel&>(form.model());

  // A computer may crash, as a person may: the beat stops for the message
  // box, which is closed at once, and the level starts again. The period
  // across the box is left out, and the crashes are counted.
  int crashes = 0;
  bool boxSinceLastBeat = false;
  QTimer closeBoxes;
  closeBoxes.setInterval(1);
  QObject::connect(&closeBoxes, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      ++crashes;
      boxSinceLastBeat = true;
      box->close();
    }
  });
  closeBoxes.start();

  std::vector<SteadyClock::time_point> beats;
  beats.reserve(kBeats + 1);
  std::vector<bool> afterBox;
  afterBox.reserve(kBeats + 1);
  // Connected after the window's own beat, so each stamp follows the drawing.
  QObject::connect(&beat, &BeatTimer::timeout, [&] {
    beats.push_back(SteadyClock::now());
    afterBox.push_back(std::exchange(boxSinceLastBeat, false));
    // The computers eat; the level must neither end nor change its snakes.
    model.TargetNumber = 1;
    for (int player = 1; player <= kMaxPlayers; ++player) {
      model.Players[player].Length = std::min(model.Players[player].Length, kLaneSnakeLength);
    }
    if (beats.size() == kBeats + 1) {
      form.SetTimerEnabled(GameTimer::Game, false);
      application.quit();
    }
  });

  std::printf("platform %s, %d beats per run, interval %d ms\n", qPrintable(QApplication::platformName()), kBeats,
              interval);
  const char* const kKinds[] = {"four idle snakes", "four Master computers"};
  double worstP99[2] = {0, 0};
  double worstBareP99 = 0;
  for (int run = 1; run <= 2 * runs; ++run) {
    const int computers = (run - 1) % 2;
    beats.clear();
    afterBox.clear();
    StartFourPlayers(dialog, computers != 0);
    model.LevelGrid = BoardGrid{};
    PlaceFourSnakes(model);
    // Lanes apart, so that a computer is not hemmed in between two others.
    for (int player = 1; player <= kMaxPlayers; ++player) {
      model.Players[player].BodyY.fill(kLaneRows[player - 1]);
    }
    model.TargetY = kTargetRow;
    crashes = 0;
    boxSinceLastBeat = false;
    form.SetTimerInterval(GameTimer::Game, interval);
    form.SetTimerEnabled(GameTimer::Game, true);
    application.exec();
    form.SetTimerEnabled(GameTimer::Game, false);
    const RunFigures figures = Figures(beats, interval, afterBox);
    worstP99[computers] = std::max(worstP99[computers], figures.p99Deviation);
    const RunFigures bare = Figures(BareTimerBeats(kBeats, interval), interval);
    worstBareP99 = std::max(worstBareP99, bare.p99Deviation);
    std::printf(
        "run %2d, %-21s: mean period %.3f ms, p99 deviation %.3f ms, max deviation %.3f ms; bare timer p99 %.3f ms%s\n",
        run, kKinds[computers], figures.meanPeriod, figures.p99Deviation, figures.maxDeviation, bare.p99Deviation,
        crashes > 0 ? (", " + std::to_string(crashes) + " crashes left out").c_str() : "");
  }
  std::printf("worst p99 deviation: %s %.3f ms, %s %.3f ms (bare timer %.3f ms)\n", kKinds[0], worstP99[0], kKinds[1],
              worstP99[1], worstBareP99);
  form.close();
  return 0;
}
