// A network game of three machines on the loopback (127.0.0.1), paced at
// speed 10 as in the window, beside a local game of three snakes in the same
// loop as the yardstick. Each machine is one whole game with an autopilot
// for its seat, all in this process and on this thread, each polled every
// 2 ms as the window's timer does. Prints, after SECONDS (20 unless given):
//   - the key delay the host chose and the round trip it measured;
//   - what each machine sent a second: ENet's bytes, its datagrams, and the
//     bytes with the IPv4 and UDP headers that a network carries too;
//   - the CPU time a beat costs: the machines' whole polls (network and
//     rules) against the local game's beat alone; the difference is the
//     network part. The machines share one thread, and the kernel does the
//     loopback's work for a datagram in whichever call comes next, so only
//     their sum is told apart, given as the mean of a machine;
//   - the beat period of every machine and of the local game: mean, the
//     deviation from 17 ms that 99 % of the beats stay within, and the worst.
//   coilrun_bench_network_play [SECONDS]
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/silent_game.h"
#include "engine/autopilot.h"
#include "engine/keys.h"
#include "game/game.h"
#include "game/game_sessions.h"
#include "game/menu_state.h"
#include "net/net_session.h"

namespace {

using namespace coilrun;
using SteadyClock = std::chrono::steady_clock;

constexpr int kMachines = 3;
constexpr int kSpeed = 10;
constexpr auto kPollPeriod = std::chrono::milliseconds(2);
// IPv4's header and UDP's, on every datagram.
constexpr int kIpUdpBytes = 28;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Game3 {
  explicit Game3(const std::string& name) {
    sessions.Plug(parts);
    game.CopyBuiltInLevels();
    model.Players[1].Name = name;
    model.Settings.Speed = kSpeed;
  }
  Game3(const Game3&) = delete;
  Game3& operator=(const Game3&) = delete;

  // Steers the seat's snake through player `local`'s keys.
  void Steer(Autopilot& pilot, int local) {
    if (const auto key = pilot.ChooseKey(model)) {
      for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (const auto direction = SteeredDirection(seat, *key)) {
          game.FormKeyDown(SteeringKeyFor(local, *direction), ShiftNone);
        }
      }
    }
  }

  std::unique_ptr<GameModel> modelHolder = std::make_unique<GameModel>();
  GameModel& model = *modelHolder;
  IdleHost host;
  SilentView view;
  GameSessions sessions{model, host.ports()};
  GameParts parts{model, view.views(), sessions.ports()};
  Game game{parts};
  std::vector<SteadyClock::time_point> beats;
  double cpuSeconds = 0;
};

// "M1", "M2", ...; printed, since GCC 12 at -O3 warns of an overlapping copy
// in "M" + std::to_string(number).
std::string MachineName(std::size_t number) {
  char name[24] = {};
  std::snprintf(name, sizeof name, "M%zu", number);
  return name;
}

struct Machine : Game3 {
  explicit Machine(int number) : Game3(MachineName(static_cast<std::size_t>(number))) {
    NetConfig config;
    config.localPlayers = 1;
    session = std::make_unique<NetSession>(game, parts, sessions, "/nonexistent/level.lvl", config);
    session->OnBeat([this](std::uint32_t) { beats.push_back(SteadyClock::now()); });
  }
  std::unique_ptr<NetSession> session;
  std::unique_ptr<Autopilot> pilot;
  std::uint32_t steeredAt = 0;
};

struct Period {
  double mean, p99, worst;
};

Period PeriodOf(const std::vector<SteadyClock::time_point>& beats, double interval) {
  std::vector<double> deviations;
  double sum = 0;
  for (std::size_t i = 1; i < beats.size(); ++i) {
    const double period = std::chrono::duration<double, std::milli>(beats[i] - beats[i - 1]).count();
    sum += period;
    deviations.push_back(std::abs(period - interval));
  }
  if (deviations.empty()) return {0, 0, 0};
  std::sort(deviations.begin(), deviations.end());
  return {sum / static_cast<double>(deviations.size()),
          deviations[static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(deviations.size()))) - 1],
          deviations.back()};
}

void Fail(const char* what) {
  std::fprintf(stderr, "coilrun_bench_network_play: %s\n", what);
  std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 20;
  const auto start = SteadyClock::now();
  const auto now = [&] { return std::chrono::duration<double>(SteadyClock::now() - start).count(); };

  std::vector<std::unique_ptr<Machine>> machines;
  for (int i = 0; i < kMachines; ++i) machines.push_back(std::make_unique<Machine>(i));
  for (auto& machine : machines) machine->game.options().SetWrap(true);
  const auto pollAll = [&] {
    for (auto& machine : machines) machine->session->Poll(now());
  };
  if (!machines[0]->session->Host("127.0.0.1", 0)) Fail("no host on 127.0.0.1");
  for (int i = 1; i < kMachines; ++i) {
    if (!machines[i]->session->Join("127.0.0.1", machines[0]->session->port())) Fail("no join");
  }
  // Seated, then a second for ENet to measure the round trip.
  for (double until = now() + 10; now() < until && machines[0]->session->seatsTaken() < kMachines;) {
    pollAll();
    std::this_thread::sleep_for(kPollPeriod);
  }
  if (machines[0]->session->seatsTaken() < kMachines) Fail("the machines did not all join");
  for (double until = now() + 1; now() < until;) {
    pollAll();
    std::this_thread::sleep_for(kPollPeriod);
  }
  NewGameChoice choice;
  choice.PlayerCount = kMachines;
  if (!machines[0]->session->StartGame(choice)) Fail("the game did not start");
  for (double until = now() + 10; now() < until;) {
    pollAll();
    if (std::all_of(machines.begin(), machines.end(),
                    [](auto& m) { return m->session->state() == NetSession::State::Playing; }))
      break;
  }
  for (std::size_t i = 0; i < machines.size(); ++i) {
    Machine& machine = *machines[i];
    if (machine.session->state() != NetSession::State::Playing) Fail("the game did not start everywhere");
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
      if (machine.session->seatNames()[seat - 1] == MachineName(i)) {
        machine.pilot = std::make_unique<Autopilot>(seat, 7919u * static_cast<std::uint32_t>(i + 1));
      }
    }
  }

  Game3 local("L");
  local.game.options().SetWrap(true);
  local.game.StartButtonClick(choice);
  std::vector<Autopilot> localPilots;
  for (int player = 1; player <= kMachines; ++player) localPilots.emplace_back(player, 104729u * player);
  const double interval = GameTimerInterval(kSpeed) / 1000.0;

  // What the start cost, and the beats it held up, are not measured.
  for (double until = now() + 1; now() < until;) {
    pollAll();
    std::this_thread::sleep_for(kPollPeriod);
  }
  std::vector<std::uint64_t> bytesBefore, datagramsBefore;
  for (auto& machine : machines) {
    machine->beats.clear();
    machine->cpuSeconds = 0;
    bytesBefore.push_back(machine->session->bytesSent());
    datagramsBefore.push_back(machine->session->datagramsSent());
  }
  const double measuredFrom = now();
  double localDue = measuredFrom;
  auto tick = SteadyClock::now();
  while (now() < measuredFrom + seconds) {
    for (auto& machine : machines) {
      NetSession& session = *machine->session;
      if (session.state() == NetSession::State::Playing && session.beat() != machine->steeredAt && machine->pilot) {
        machine->steeredAt = session.beat();
        machine->Steer(*machine->pilot, 1);
      }
      const double before = ThreadCpuSeconds();
      session.Poll(now());
      machine->cpuSeconds += ThreadCpuSeconds() - before;
    }
    // The local game keeps the same schedule as the network's beats.
    if (GameInPlay(local.model) && now() >= localDue) {
      for (int player = 1; player <= kMachines; ++player) local.Steer(localPilots[player - 1], player);
      const double before = ThreadCpuSeconds();
      local.game.TimerTimer();
      local.cpuSeconds += ThreadCpuSeconds() - before;
      local.beats.push_back(SteadyClock::now());
      localDue = std::max(localDue + interval, now() - interval);
    }
    tick += kPollPeriod;
    std::this_thread::sleep_until(tick);
  }
  const double elapsed = now() - measuredFrom;

  NetSession& host = *machines[0]->session;
  std::printf("three machines on 127.0.0.1 at speed %d, %.0f s: key delay %d beats, round trip %u ms\n", kSpeed,
              elapsed, host.keyDelay(), host.roundTripMs());
  const Period localPeriod = PeriodOf(local.beats, interval * 1000);
  const double localCpu = local.beats.empty() ? 0 : local.cpuSeconds / static_cast<double>(local.beats.size());
  double machinesCpu = 0;
  std::size_t machinesBeats = 0;
  for (std::size_t i = 0; i < machines.size(); ++i) {
    Machine& machine = *machines[i];
    machinesCpu += machine.cpuSeconds;
    machinesBeats += machine.beats.size();
    const double bytes = static_cast<double>(machine.session->bytesSent() - bytesBefore[i]) / elapsed;
    const double datagrams = static_cast<double>(machine.session->datagramsSent() - datagramsBefore[i]) / elapsed;
    const Period period = PeriodOf(machine.beats, interval * 1000);
    std::printf(
        "%s: sends %.0f B/s in %.1f datagrams/s (%.0f B/s with IP and UDP)%s; %zu beats, period %.2f ms, "
        "99 %% within %.2f ms of 17, worst %.2f ms off\n",
        i == 0 ? "host     " : ("machine " + MachineName(i).substr(1)).c_str(), bytes, datagrams,
        bytes + datagrams * kIpUdpBytes, i == 0 ? " to both" : "", machine.beats.size(), period.mean, period.p99,
        period.worst);
  }
  std::printf("local    : %zu beats, period %.2f ms, 99 %% within %.2f ms of 17, worst %.2f ms off\n",
              local.beats.size(), localPeriod.mean, localPeriod.p99, localPeriod.worst);
  const double machineCpu = machinesBeats == 0 ? 0 : machinesCpu / static_cast<double>(machinesBeats);
  std::printf(
      "CPU a beat: %.1f us a machine, its polls included; the local game's beat %.1f us; the network's part %.1f us\n",
      machineCpu * 1e6, localCpu * 1e6, (machineCpu - localCpu) * 1e6);
  std::printf("checksums compared by the host: %ld agreed\n", host.checksumsAgreed());
  for (auto& machine : machines) machine->session->Leave();
  return 0;
}
