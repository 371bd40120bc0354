// The period of the game's beat at speed 10 (17 ms), measured in the real
// main window with four snakes on the field, as a player sees it: each beat
// is stamped after it has moved and drawn the snakes. Prints, for each run
// of 400 beats, the mean period and the deviation from 17 ms that 99 % of
// the beats stay within, then the worst run. Each run is paired with a
// yardstick: the same beats of a bare kernel timer waited on by poll, with no
// Qt and no game, which shows how late this machine wakes any program.
//   coilrun_bench_beat_period [RUNS]       (10 runs unless given)
// Runs headless unless QT_QPA_PLATFORM names a platform; with
// QT_QPA_PLATFORM=xcb it runs on the X server in DISPLAY.
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

RunFigures Figures(const std::vector<SteadyClock::time_point>& beats, int interval) {
  std::vector<double> deviations;
  double sum = 0;
  for (std::size_t i = 1; i < beats.size(); ++i) {
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

  std::vector<SteadyClock::time_point> beats;
  beats.reserve(kBeats + 1);
  // Connected after the window's own beat, so each stamp follows the drawing.
  QObject::connect(&beat, &BeatTimer::timeout, [&] {
    beats.push_back(SteadyClock::now());
    if (beats.size() == kBeats + 1) {
      form.SetTimerEnabled(GameTimer::Game, false);
      application.quit();
    }
  });

  double worstP99 = 0;
  double worstBareP99 = 0;
  std::printf("platform %s, %d beats per run, interval %d ms\n", qPrintable(QApplication::platformName()), kBeats,
              interval);
  for (int run = 1; run <= runs; ++run) {
    beats.clear();
    PlaceFourSnakes(const_cast<GameModel&>(form.model()));
    form.SetTimerInterval(GameTimer::Game, interval);
    form.SetTimerEnabled(GameTimer::Game, true);
    application.exec();
    const RunFigures figures = Figures(beats, interval);
    worstP99 = std::max(worstP99, figures.p99Deviation);
    const RunFigures bare = Figures(BareTimerBeats(kBeats, interval), interval);
    worstBareP99 = std::max(worstBareP99, bare.p99Deviation);
    std::printf("run %2d: mean period %.3f ms, p99 deviation %.3f ms, max deviation %.3f ms; bare timer p99 %.3f ms\n",
                run, figures.meanPeriod, figures.p99Deviation, figures.maxDeviation, bare.p99Deviation);
  }
  std::printf("worst p99 deviation over %d runs: %.3f ms (bare timer %.3f ms)\n", runs, worstP99, worstBareP99);
  form.close();
  return 0;
}
