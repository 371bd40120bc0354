// The game's start-up to its title page against a minimal Qt 6 window of
// the client's size, measured in the same run on a private X server (Xvfb):
// the time from starting the program to the map of its window, taken from
// the MapNotify on the root window to the millisecond, and the peak memory
// (the largest resident set) of the program, started, shown and closed.
// The two programs take turns, so that a busy moment of the machine falls
// on both. Prints the medians and the game's ratios to the yardstick.
//   coilrun_bench_startup [RUNS]       (20 each unless given)
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(20);

struct Launch {
  double startupMs;
  long peakKiB;
};

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "coilrun_bench_startup: %s\n", message.c_str());
  std::exit(1);
}

// Starts a program with its output thrown away; returns its process id.
pid_t Start(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
  const pid_t pid = fork();
  if (pid < 0) Fail("fork failed");
  if (pid == 0) {
    for (const std::string& setting : environment) putenv(const_cast<char*>(setting.c_str()));
    if (FILE* null = std::fopen("/dev/null", "w")) {
      dup2(fileno(null), STDOUT_FILENO);
      dup2(fileno(null), STDERR_FILENO);
    }
    std::vector<char*> arguments;
    for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    execvp(arguments[0], arguments.data());
    _exit(127);
  }
  return pid;
}

// A private X server; Xvfb names its display once it accepts connections.
class PrivateXServer {
 public:
  PrivateXServer() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) Fail("pipe failed");
    pid_ = Start({"Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                 {});
    close(pipeEnds[1]);
    char number[16] = {};
    pollfd ready{.fd = pipeEnds[0], .events = POLLIN, .revents = 0};
    if (poll(&ready, 1, 10000) != 1 || read(pipeEnds[0], number, sizeof number - 1) <= 0) Fail("Xvfb did not start");
    close(pipeEnds[0]);
    name_ = ":" + std::to_string(std::atoi(number));
  }
  ~PrivateXServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& name() const { return name_; }

 private:
  pid_t pid_;
  std::string name_;
};

class StartupMeter {
 public:
  StartupMeter(const std::string& displayName, const std::string& runtimeDirectory)
      : display_(XOpenDisplay(displayName.c_str())),
        environment_{"DISPLAY=" + displayName, "QT_QPA_PLATFORM=xcb", "SDL_AUDIODRIVER=dummy",
                     "XDG_RUNTIME_DIR=" + runtimeDirectory} {
    if (display_ == nullptr) Fail("cannot open display " + displayName);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, True);
  }
  ~StartupMeter() { XCloseDisplay(display_); }

  Launch Measure(const std::vector<std::string>& command) {
    XSync(display_, True);  // forget the events of the last program
    const Clock::time_point started = Clock::now();
    const pid_t pid = Start(command, environment_);
    const std::optional<Window> window = AwaitMap();
    const double startupMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (!window) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      Fail(command[0] + " showed no window");
    }
    AskToClose(*window);
    return {startupMs, AwaitExit(pid, command[0])};
  }

 private:
  std::optional<Window> AwaitMap() {
    const Clock::time_point deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) return event.xmap.window;
      }
      pollfd connection{.fd = ConnectionNumber(display_), .events = POLLIN, .revents = 0};
      poll(&connection, 1, 100);
    }
    return std::nullopt;
  }

  // As a window manager would: the program closes its window and ends.
  void AskToClose(Window window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &message);
    XFlush(display_);
  }

  static long AwaitExit(pid_t pid, const std::string& name) {
    const Clock::time_point deadline = Clock::now() + kPatience;
    rusage usage{};
    int status = 0;
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
      if (Clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        Fail(name + " did not close");
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(name + " failed");
    return usage.ru_maxrss;
  }

  Display* display_;
  std::vector<std::string> environment_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
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
    StartupMeter meter(server.name(), (work / "runtime").string());
    const std::vector<std::string> game = {COILRUN_GAME_PROGRAM, "--data-dir", (work / "data").string()};
    const std::vector<std::string> yardstick = {COILRUN_MINIMAL_WINDOW};
    // Once each unmeasured: the game writes its files, and both find the
    // libraries in the page cache.
    meter.Measure(game);
    meter.Measure(yardstick);

    std::vector<double> gameMs, gameKiB, yardstickMs, yardstickKiB;
    for (int run = 0; run < runs; ++run) {
      const bool gameFirst = run % 2 == 0;
      for (int turn = 0; turn < 2; ++turn) {
        const bool isGame = (turn == 0) == gameFirst;
        const Launch launch = meter.Measure(isGame ? game : yardstick);
        (isGame ? gameMs : yardstickMs).push_back(launch.startupMs);
        (isGame ? gameKiB : yardstickKiB).push_back(static_cast<double>(launch.peakKiB));
      }
    }
    const double startup = Median(gameMs), yardstickStartup = Median(yardstickMs);
    const double memory = Median(gameKiB) / 1024, yardstickMemory = Median(yardstickKiB) / 1024;
    std::printf("start-up to the window's map, median of %d runs each:\n", runs);
    std::printf("  coilrun %.1f ms, minimal Qt window %.1f ms: %.2f times\n", startup, yardstickStartup,
                startup / yardstickStartup);
    std::printf("peak memory (largest resident set), median:\n");
    std::printf("  coilrun %.1f MiB, minimal Qt window %.1f MiB: %.2f times\n", memory, yardstickMemory,
                memory / yardstickMemory);
  }
  std::filesystem::remove_all(work);
  return 0;
}
