// The period of the game timer at speed 10 (17 ms), measured on a precise
// QTimer over 400 beats of four snakes drawn on the field, as the window runs
// them. Prints the mean period and the deviation from 17 ms that 99 % of the
// beats stay within.
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/four_snakes.h"
#include "bench/silent_game.h"
#include "engine/game.h"
#include "present/presentation.h"

int main(int argc, char** argv) {
  using namespace coilrun;
  using Clock = std::chrono::steady_clock;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);

  constexpr int kBeats = 400;
  const int interval = GameTimerInterval(10);
  GameModel model;
  IdleHost host;
  Presentation presentation(model, host);
  Game game(model, host, presentation.views());
  PlaceFourSnakes(model);

  std::vector<Clock::time_point> beats;
  beats.reserve(kBeats + 1);
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(interval);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    beats.push_back(Clock::now());
    game.TimerTimer();
    if (beats.size() == kBeats + 1) application.quit();
  });
  timer.start();
  application.exec();

  std::vector<double> periods;
  std::vector<double> deviations;
  for (std::size_t i = 1; i < beats.size(); ++i) {
    const double period = std::chrono::duration<double, std::milli>(beats[i] - beats[i - 1]).count();
    periods.push_back(period);
    deviations.push_back(std::abs(period - interval));
  }
  std::sort(deviations.begin(), deviations.end());
  double sum = 0;
  for (const double period : periods) sum += period;
  const double p99 = deviations[static_cast<std::size_t>(std::ceil(0.99 * deviations.size())) - 1];
  std::printf("beats %zu, interval %d ms: mean period %.3f ms, p99 deviation %.3f ms, max deviation %.3f ms\n",
              periods.size(), interval, sum / periods.size(), p99, deviations.back());
  return 0;
}
