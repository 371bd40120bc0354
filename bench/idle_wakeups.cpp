// How often the idle game wakes: the context switches of all its threads,
// read from /proc, over ten seconds on the title page, on the keys page and
// under the pause box of a game started from a level file, with the default
// options, on a private X server and SDL's dummy audio driver (which wakes
// like a sound card, once a mixer buffer). Each scene starts a fresh game,
// lets it settle for two seconds and then counts.
//   coilrun_bench_idle_wakeups [SECONDS]       (10 unless given)
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "bench/map_watcher.h"

namespace {

using namespace coilrun::bench;
namespace fs = std::filesystem;

struct ThreadCounts {
  std::string name;
  long switches = 0;
  long cpuTicks = 0;
};

// Thread id to its counts so far.
std::map<int, ThreadCounts> ReadThreads(pid_t pid) {
  std::map<int, ThreadCounts> threads;
  std::error_code error;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    ThreadCounts counts;
    std::ifstream status(task.path() / "status");
    for (std::string line; std::getline(status, line);) {
      std::istringstream fields(line);
      std::string key;
      fields >> key;
      if (key == "Name:") fields >> counts.name;
      if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
        long value = 0;
        fields >> value;
        counts.switches += value;
      }
    }
    // utime and stime are fields 14 and 15, after the name in parentheses.
    std::ifstream statFile(task.path() / "stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int index = 3; index <= 13 && rest >> field; ++index) {
    }
    long user = 0, system = 0;
    rest >> user >> system;
    counts.cpuTicks = user + system;
    threads[std::stoi(task.path().filename().string())] = counts;
  }
  return threads;
}

class Scene {
 public:
  Scene(const std::string& displayName, const fs::path& work, const std::vector<std::string>& extraArguments)
      : watcher_(displayName), dataDirectory_(work / "data") {
    fs::remove_all(dataDirectory_);
    fs::create_directories(dataDirectory_);
    std::vector<std::string> command = {COILRUN_GAME_PROGRAM, "--data-dir", dataDirectory_.string()};
    command.insert(command.end(), extraArguments.begin(), extraArguments.end());
    environment_ = {"DISPLAY=" + displayName, "QT_QPA_PLATFORM=xcb", "SDL_AUDIODRIVER=dummy",
                    "XDG_RUNTIME_DIR=" + (work / "runtime").string()};
    pid_ = Start(command, environment_);
    const std::optional<Window> window = watcher_.AwaitMap();
    if (!window) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      Fail("the game showed no window");
    }
    window_ = *window;
  }
  ~Scene() {
    watcher_.AskToClose(window_);
    if (!AwaitExit(pid_)) std::fprintf(stderr, "the game did not close cleanly\n");
  }

  // Keys pressed into the window, as a player would.
  void Press(const std::vector<std::string>& keys) {
    std::vector<std::string> command = {"xdotool", "windowfocus", "--sync", std::to_string(window_), "key"};
    command.insert(command.end(), keys.begin(), keys.end());
    const pid_t xdotool = Start(command, environment_);
    int status = 0;
    waitpid(xdotool, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail("xdotool failed");
  }

  // Prints the wake-ups of every thread over `seconds` and returns their sum.
  long Count(const char* what, int seconds) {
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const std::map<int, ThreadCounts> before = ReadThreads(pid_);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const std::map<int, ThreadCounts> after = ReadThreads(pid_);
    long total = 0;
    double cpuMs = 0;
    std::string byThread;
    const double msPerTick = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const auto& [thread, counts] : after) {
      const auto earlier = before.find(thread);
      const long switches = counts.switches - (earlier == before.end() ? 0 : earlier->second.switches);
      const long ticks = counts.cpuTicks - (earlier == before.end() ? 0 : earlier->second.cpuTicks);
      total += switches;
      cpuMs += static_cast<double>(ticks) * msPerTick;
      if (switches > 0) byThread += " " + counts.name + " " + std::to_string(switches);
    }
    std::printf("  %-22s %5ld wake-ups in %d s (%.1f a second), %4.0f ms of CPU;%s\n", what, total, seconds,
                static_cast<double>(total) / seconds, cpuMs, byThread.empty() ? " no thread woke" : byThread.c_str());
    return total;
  }

 private:
  MapWatcher watcher_;
  fs::path dataDirectory_;
  std::vector<std::string> environment_;
  pid_t pid_ = 0;
  Window window_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const fs::path work = fs::temp_directory_path() / ("coilrun-idle-" + std::to_string(getpid()));
  fs::create_directories(work / "runtime");
  fs::permissions(work / "runtime", fs::perms::owner_all);
  long worst = 0;
  {
    PrivateXServer server;
    std::printf("the idle game's wake-ups (context switches of all its threads), default options:\n");
    {
      Scene scene(server.name(), work, {});
      worst = std::max(worst, scene.Count("title page", seconds));
      scene.Press({"alt+h", "k"});
      worst = std::max(worst, scene.Count("keys page", seconds));
    }
    {
      Scene scene(server.name(), work, {COILRUN_SAMPLE_LEVEL});
      worst = std::max(worst, scene.Count("pause box", seconds));
    }
  }
  fs::remove_all(work);
  std::printf("most wake-ups a second: %.1f\n", static_cast<double>(worst) / seconds);
  return 0;
}
