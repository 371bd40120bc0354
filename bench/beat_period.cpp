// The game's beat at speed 10 (17 ms) in the real main window with four
// snakes on the field, as a player sees it: each beat is stamped after it
// has moved and drawn the snakes. Runs of 400 beats take turns: four idle
// snakes (people who press nothing) and four Master computers, which choose
// their keys in every beat, each started from the new game dialog and then
// put on the same four lanes of an empty field. For each run it prints the
// mean period, the deviation from 17 ms that 99 % of the beats stay within,
// and the CPU time the window's thread spent per beat (the beat, the
// repaints and the window system's events). Each run is paired with a
// yardstick running at the same time on a thread of its own: the same beats
// of a bare kernel timer waited on by poll, with no Qt and no game, which
// shows how late this busy machine wakes any program just then; the ratio
// of the two deviations is printed per run.
//   coilrun_bench_beat_period [RUNS]       (10 runs of each kind unless given)
// Runs on a private X server (Xvfb) unless QT_QPA_PLATFORM names a platform
// (offscreen, or xcb on the X server in DISPLAY).
#include <sys/resource.h>
#include <sys/timerfd.h>
#include <time.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bench/four_snakes.h"
#include "bench/private_x.h"
#include "shell/beat_timer.h"
#include "shell/main_form.h"

namespace {

using coilrun::bench::Median;
using coilrun::bench::SteadyClock;

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

double CpuMs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double ProcessCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
  };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct BareRun {
  std::vector<SteadyClock::time_point> stamps;
  double cpuMs = 0;
};

BareRun BareTimerBeats(int beats, int interval) {
  const int clock = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
  if (clock < 0) {
    std::perror("coilrun_bench_beat_period: the bare timer");
    std::exit(1);
  }
  const double cpuBefore = CpuMs(CLOCK_THREAD_CPUTIME_ID);
  const timespec period{.tv_sec = 0, .tv_nsec = interval * 1'000'000L};
  const itimerspec every{.it_interval = period, .it_value = period};
  timerfd_settime(clock, 0, &every, nullptr);
  BareRun run;
  run.stamps.reserve(beats + 1);
  while (std::ssize(run.stamps) <= beats) {
    pollfd ready{.fd = clock, .events = POLLIN, .revents = 0};
    std::uint64_t expirations = 0;
    if (poll(&ready, 1, -1) == 1 && read(clock, &expirations, sizeof expirations) == sizeof expirations)
      run.stamps.push_back(SteadyClock::now());
  }
  close(clock);
  run.cpuMs = CpuMs(CLOCK_THREAD_CPUTIME_ID) - cpuBefore;
  return run;
}

constexpr int kLaneRows[] = {3, 10, 17, 24};
constexpr int kTargetRow = 14;

// Four players from the new game dialog, each seat a person's or a Master
// computer's; the dialog is shown without its own event loop, and its Start
// closes it.
void StartFourPlayers(QWidget& dialog, bool computers) {
  dialog.show();
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
  std::unique_ptr<bench::PrivateXServer> server;
  QTemporaryDir runtimeDirectory;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    server = std::make_unique<bench::PrivateXServer>();
    qputenv("DISPLAY", QByteArray::fromStdString(server->name()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
  }
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
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
  // box, which is closed soon, and the level starts again. The period across
  // the box is left out, and the crashes are counted. The look-out for boxes
  // wakes the window's thread seldom, so that its CPU is the game's.
  int crashes = 0;
  bool boxSinceLastBeat = false;
  QTimer closeBoxes;
  closeBoxes.setInterval(100);
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
  // A loop of its own: the application's quit would close the window.
  QEventLoop beating;
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
      beating.quit();
    }
  });

  const char* const kKinds[] = {"four idle snakes", "four Master computers"};
  std::vector<double> cpuPerBeat[2], ratios[2];
  std::printf("platform %s, %d beats per run, interval %d ms, a bare timer beating beside the game\n",
              qPrintable(QApplication::platformName()), kBeats, interval);
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
    // The first beats start from a window that has just been shown or has
    // waited; the bare timer starts with the game's.
    application.processEvents();
    const double cpuBefore = CpuMs(CLOCK_THREAD_CPUTIME_ID);
    const double processBefore = ProcessCpuMs();
    BareRun bare;
    std::thread bareTimer([&] { bare = BareTimerBeats(kBeats, interval); });
    form.SetTimerInterval(GameTimer::Game, interval);
    form.SetTimerEnabled(GameTimer::Game, true);
    beating.exec();
    const double mainMs = CpuMs(CLOCK_THREAD_CPUTIME_ID) - cpuBefore;
    bareTimer.join();
    // A hidden window beats without painting.
    if (!form.isVisible()) {
      std::fprintf(stderr, "coilrun_bench_beat_period: the window closed during run %d\n", run);
      return 1;
    }
    const double otherMs = ProcessCpuMs() - processBefore - mainMs - bare.cpuMs;
    const RunFigures figures = Figures(beats, interval, afterBox);
    const RunFigures bareFigures = Figures(bare.stamps, interval);
    const double ratio = figures.p99Deviation / std::max(bareFigures.p99Deviation, 0.001);
    cpuPerBeat[computers].push_back(mainMs / kBeats);
    ratios[computers].push_back(ratio);
    std::printf(
        "run %2d, %-21s: window's thread %.3f ms CPU a beat (other threads %.3f); mean period %.3f ms, p99 "
        "deviation %.3f ms, bare timer %.3f ms: %.2f times%s\n",
        run, kKinds[computers], mainMs / kBeats, otherMs / kBeats, figures.meanPeriod, figures.p99Deviation,
        bareFigures.p99Deviation, ratio,
        crashes > 0 ? (", " + std::to_string(crashes) + " crashes left out").c_str() : "");
  }
  for (int computers = 0; computers < 2; ++computers) {
    std::printf(
        "median over %d runs of %s: window's thread %.3f ms CPU a beat; p99 deviation %.2f times the bare "
        "timer's\n",
        runs, kKinds[computers], Median(cpuPerBeat[computers]), Median(ratios[computers]));
  }
  form.close();
  return 0;
}
