// The game's start-up to its title page against a fair yardstick (a Qt 6
// main window with three menus, the game's client size and a line of the
// game's font), measured in the same run on a private X server (Xvfb): the
// time from starting the program to the map of its window, taken from the
// MapNotify on the root window to the millisecond, and the peak memory (the
// largest resident set) of the program, started, shown and closed. The two
// programs take turns, so that a busy moment of the machine falls on both.
// Prints the medians and the game's ratios to the yardstick.
//   coilrun_bench_startup [RUNS]       (20 each unless given)
#include <filesystem>

#include "bench/map_watcher.h"

namespace {

using namespace coilrun::bench;

struct Launch {
  double startupMs;
  long peakKiB;
};

Launch Measure(MapWatcher& watcher, const std::vector<std::string>& command,
               const std::vector<std::string>& environment) {
  watcher.Forget();  // the events of the last program
  const SteadyClock::time_point started = SteadyClock::now();
  const pid_t pid = Start(command, environment);
  const std::optional<Window> window = watcher.AwaitMap();
  const double startupMs = std::chrono::duration<double, std::milli>(SteadyClock::now() - started).count();
  if (!window) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    Fail(command[0] + " showed no window");
  }
  watcher.AskToClose(*window);
  const std::optional<long> peakKiB = AwaitExit(pid);
  if (!peakKiB) Fail(command[0] + " did not close, or failed");
  return {startupMs, *peakKiB};
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::filesystem::path work =
      std::filesystem::temp_directory_path() / ("coilrun-startup-" + std::to_string(getpid()));
  std::filesystem::create_directories(work / "data");
  std::filesystem::create_directories(work / "runtime");
  std::filesystem::permissions(work / "runtime", std::filesystem::perms::owner_all);

  {
    PrivateXServer server;
    MapWatcher watcher(server.name());
    const std::vector<std::string> environment = {"DISPLAY=" + server.name(), "QT_QPA_PLATFORM=xcb",
                                                  "SDL_AUDIODRIVER=dummy",
                                                  "XDG_RUNTIME_DIR=" + (work / "runtime").string()};
    const std::vector<std::string> game = {COILRUN_GAME_PROGRAM, "--data-dir", (work / "data").string()};
    const std::vector<std::string> yardstick = {COILRUN_FAIR_WINDOW};
    // Once each unmeasured: the game writes its files, and both find the
    // libraries in the page cache.
    Measure(watcher, game, environment);
    Measure(watcher, yardstick, environment);

    std::vector<double> gameMs, gameKiB, yardstickMs, yardstickKiB;
    for (int run = 0; run < runs; ++run) {
      const bool gameFirst = run % 2 == 0;
      for (int turn = 0; turn < 2; ++turn) {
        const bool isGame = (turn == 0) == gameFirst;
        const Launch launch = Measure(watcher, isGame ? game : yardstick, environment);
        (isGame ? gameMs : yardstickMs).push_back(launch.startupMs);
        (isGame ? gameKiB : yardstickKiB).push_back(static_cast<double>(launch.peakKiB));
      }
    }
    const double startup = Median(gameMs), yardstickStartup = Median(yardstickMs);
    const double memory = Median(gameKiB) / 1024, yardstickMemory = Median(yardstickKiB) / 1024;
    std::printf("start-up to the window's map, median of %d interleaved runs each:\n", runs);
    std::printf("  coilrun %.1f ms, fair Qt window %.1f ms: %.2f times\n", startup, yardstickStartup,
                startup / yardstickStartup);
    const auto [gameFastest, gameSlowest] = std::minmax_element(gameMs.begin(), gameMs.end());
    const auto [fairFastest, fairSlowest] = std::minmax_element(yardstickMs.begin(), yardstickMs.end());
    std::printf("  fastest and slowest: coilrun %.1f and %.1f ms, fair Qt window %.1f and %.1f ms\n", *gameFastest,
                *gameSlowest, *fairFastest, *fairSlowest);
    std::printf("peak memory (largest resident set), median:\n");
    std::printf("  coilrun %.1f MiB, fair Qt window %.1f MiB: %.2f times\n", memory, yardstickMemory,
                memory / yardstickMemory);
  }
  std::filesystem::remove_all(work);
  return 0;
}
