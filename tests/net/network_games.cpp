#include "tests/net/network_games.h"

#include <cstdio>

#include "engine/keys.h"
#include "engine/rule_state.h"
#include "game/menu_state.h"

namespace coilrun::testing {

namespace {

// "M1", "M2", ...; printed, since GCC 12 at -O3 warns of an overlapping copy
// in "M" + std::to_string(machine).
std::string MachineName(std::size_t machine) {
  char name[24] = {};
  std::snprintf(name, sizeof name, "M%zu", machine);
  return name;
}

}  // namespace

NetMachine::NetMachine(const std::filesystem::path& levelFile, NetConfig config, int machine) {
  headless.model.Players[1].Name = MachineName(static_cast<std::size_t>(machine));
  headless.model.Settings.Speed = 10;
  session = std::make_unique<NetSession>(headless.game, headless.parts, headless.sessions, levelFile, config);
  session->OnBeat([this](std::uint32_t) { checksums.push_back(RuleChecksum(headless.model)); });
}

NetworkGames::NetworkGames(int count, NetConfig config, const std::string& name)
    : directory_(name), start_(std::chrono::steady_clock::now()) {
  config.localPlayers = 1;
  for (int i = 0; i < count; ++i) {
    machines_.push_back(std::make_unique<NetMachine>(directory_ / ("level" + std::to_string(i) + ".lvl"), config, i));
  }
}

double NetworkGames::Now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool NetworkGames::Gather(std::uint16_t joinPort) {
  if (!host().session->Host("127.0.0.1", 0)) return false;
  const std::uint16_t port = joinPort != 0 ? joinPort : host().session->port();
  for (std::size_t i = 1; i < machines_.size(); ++i) {
    if (!machines_[i]->session->Join("127.0.0.1", port)) return false;
  }
  const double deadline = Now() + 10;
  std::size_t seated = 0;
  while (Now() < deadline) {
    PollAll({});
    seated = 0;
    for (const auto& machine : machines_) seated += machine->session->seatsTaken() > 0 ? 1 : 0;
    if (host().session->seatsTaken() >= static_cast<int>(machines_.size()) && seated == machines_.size()) break;
  }
  return seated == machines_.size();
}

bool NetworkGames::Start(NewGameChoice choice, const std::function<void()>& each) {
  // Let the round trip be measured before the key delay is chosen from it.
  const double settle = Now() + 0.3;
  while (Now() < settle) PollAll(each);
  if (!host().session->StartGame(choice)) return false;
  const double deadline = Now() + 10;
  while (Now() < deadline) {
    PollAll(each);
    bool all = true;
    for (const auto& machine : machines_) all = all && machine->session->state() == NetSession::State::Playing;
    if (all) break;
  }
  // Each machine's autopilot steers its own seat, found by its player's name,
  // through its own player 1's keys.
  for (std::size_t i = 0; i < machines_.size(); ++i) {
    NetMachine& machine = *machines_[i];
    machine.pilots.clear();
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
      if (machine.session->seatNames()[seat - 1] == MachineName(i)) {
        machine.pilots.emplace_back(seat, 7919u * static_cast<std::uint32_t>(i + 1));
      }
    }
  }
  for (const auto& machine : machines_) {
    if (machine->session->state() != NetSession::State::Playing) return false;
  }
  return true;
}

void NetworkGames::PollAll(const std::function<void()>& each) {
  const double now = Now();
  for (const auto& machine : machines_) {
    if (!machine->polled) continue;
    NetSession& session = *machine->session;
    if (session.state() == NetSession::State::Playing && session.beat() != machine->steeredAt) {
      machine->steeredAt = session.beat();
      for (std::size_t local = 0; local < machine->pilots.size(); ++local) {
        const auto key = machine->pilots[local].ChooseKey(machine->headless.model);
        for (int seat = 1; key && seat <= kMaxPlayers; ++seat) {
          if (const auto direction = SteeredDirection(seat, *key)) {
            const int player = static_cast<int>(local) + 1;
            machine->headless.game.FormKeyDown(SteeringKeyFor(player, *direction), ShiftNone);
          }
        }
      }
    }
    session.Poll(now);
  }
  if (each) each();
}

void NetworkGames::Play(std::uint32_t beats, double seconds, const std::function<void()>& each) {
  const double deadline = Now() + seconds;
  while (Now() < deadline && host().session->state() == NetSession::State::Playing && host().session->beat() < beats) {
    PollAll(each);
  }
}

void NetworkGames::Drain(double seconds, const std::function<void()>& each) {
  const double deadline = Now() + seconds;
  while (Now() < deadline) {
    bool over = true;
    for (const auto& machine : machines_) {
      over = over && (!machine->polled || machine->session->state() != NetSession::State::Playing);
    }
    if (over) return;
    PollAll(each);
  }
}

std::uint32_t NetworkGames::BeatsAgreed() const {
  const std::vector<std::uint32_t>& reference = machines_.front()->checksums;
  std::uint32_t agreed = 0;
  for (std::size_t beat = 0; beat < reference.size(); ++beat) {
    bool same = true;
    for (const auto& machine : machines_) {
      if (!machine->polled) continue;
      same = same && beat < machine->checksums.size() && machine->checksums[beat] == reference[beat];
    }
    if (!same) return agreed;
    ++agreed;
  }
  return agreed;
}

}  // namespace coilrun::testing
