// What the benches that run real windows share: a private X server (Xvfb),
// and programs started on it with their output thrown away.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace coilrun::bench {

using SteadyClock = std::chrono::steady_clock;
inline constexpr auto kPatience = std::chrono::seconds(20);

[[noreturn]] inline void Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::exit(1);
}

// Starts a program with its output thrown away; returns its process id.
inline pid_t Start(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
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

// Waits for a program to end; its peak resident set in KiB, or nothing when
// it failed or had to be killed.
inline std::optional<long> AwaitExit(pid_t pid) {
  const SteadyClock::time_point deadline = SteadyClock::now() + kPatience;
  rusage usage{};
  int status = 0;
  while (wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (SteadyClock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return usage.ru_maxrss;
}

// A private X server; Xvfb names its display once it accepts connections.
class PrivateXServer {
 public:
  PrivateXServer() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) Fail("pipe failed");
    // Without -noreset the server resets when its last client leaves, and
    // refuses the next program for a moment.
    pid_ = Start({"Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-noreset", "-screen", "0", "1024x768x24",
                  "-nolisten", "tcp"},
                 {});
    close(pipeEnds[1]);
    char number[16] = {};
    pollfd ready{.fd = pipeEnds[0], .events = POLLIN, .revents = 0};
    if (poll(&ready, 1, 10000) != 1 || read(pipeEnds[0], number, sizeof number - 1) <= 0) Fail("Xvfb did not start");
    close(pipeEnds[0]);
    // Printed: GCC 12 at -O3 warns of an overlapping copy when the name is
    // put together from strings.
    char display[24] = {};
    std::snprintf(display, sizeof display, ":%d", std::atoi(number));
    name_ = display;
  }
  ~PrivateXServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  const std::string& name() const { return name_; }

 private:
  pid_t pid_;
  std::string name_;
};

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace coilrun::bench
