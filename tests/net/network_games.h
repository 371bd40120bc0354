// Network games of headless machines in one process, on the loopback only:
// each machine a whole game with its autopilot players and its session,
// polled in turn until the beats are done or the time is up.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/autopilot.h"
#include "net/net_session.h"
#include "tests/support/headless_game.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {

struct NetMachine {
  NetMachine(const std::filesystem::path& levelFile, NetConfig config, int machine);

  HeadlessGame headless;
  std::unique_ptr<NetSession> session;
  std::vector<Autopilot> pilots;         // its player's, for its seat once seated
  std::vector<std::uint32_t> checksums;  // after each beat
  std::uint32_t steeredAt = 0;
  bool polled = true;  // false once it has vanished
};

class NetworkGames {
 public:
  // `count` machines of one player each; the first hosts.
  NetworkGames(int count, NetConfig config, const std::string& name);

  // All join the host on 127.0.0.1 (or `joinPort`, a relay in front of it)
  // and wait for their seats; false when that takes too long.
  bool Gather(std::uint16_t joinPort = 0);
  bool Start(NewGameChoice choice, const std::function<void()>& each = {});
  // Polls every machine until the host has run `beats` beats, the game is
  // over or `seconds` have passed. `each` runs after every round of polls.
  void Play(std::uint32_t beats, double seconds, const std::function<void()>& each = {});
  // Runs until every machine's session is over, for at most `seconds`.
  void Drain(double seconds, const std::function<void()>& each = {});
  double Now() const;

  std::vector<std::unique_ptr<NetMachine>>& machines() { return machines_; }
  NetMachine& host() { return *machines_.front(); }
  // How many beats, from the first, every machine still polled ran to the
  // same rule state as the host.
  std::uint32_t BeatsAgreed() const;

 private:
  void PollAll(const std::function<void()>& each);

  TempDirectory directory_;
  std::vector<std::unique_ptr<NetMachine>> machines_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace coilrun::testing
