#include "net/net_session.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "engine/keys.h"
#include "engine/rule_state.h"
#include "formats/run_length.h"
#include "formats/whole_file.h"
#include "game/menu_state.h"
#include "game/recorded_start.h"
#include "game/retire_snakes.h"

namespace coilrun {

namespace {

constexpr int kMaxMachines = 4;
constexpr std::uint8_t kFreeSeat = 255;
constexpr int kLongestKeyDelay = 15;
constexpr double kHeartbeatSeconds = 0.25;
// A machine may send its inputs this many beats past the frames built, and
// no further.
constexpr std::uint32_t kInputWindow = 128;
// Inputs and frames not yet acknowledged go again after this long without a
// message, about a beat at the highest speed.
constexpr double kResendSeconds = 0.02;
// Messages of runs of beats are kept to one datagram on any network.
constexpr std::size_t kLargestRunMessage = 1024;
// Beats run by one poll when they are not paced: a machine left alone with
// its frames must still return to its caller.
constexpr int kMostBeatsPerPoll = 64;
// A machine whose game is over keeps answering this long at most, so that
// its last frames and its goodbye arrive.
constexpr double kLingerSeconds = 3;

std::string VersionText(std::uint16_t protocol, std::uint32_t rules) {
  return "version " + std::to_string(protocol) + " (rules " + std::to_string(rules) + ")";
}

// The run of beats from `first` in `beats`, as many as fit one message.
void FillRun(NetMessage& message, std::uint32_t first, const std::map<std::uint32_t, std::vector<GameInput>>& beats,
             std::uint32_t last) {
  message.beat = first;
  std::size_t size = 16;
  for (std::uint32_t beat = first; beat <= last && message.beats.size() < kMostBeatsPerMessage; ++beat) {
    const auto inputs = beats.find(beat);
    if (inputs == beats.end()) break;
    const std::size_t more = 1 + inputs->second.size() * 7;
    if (!message.beats.empty() && size + more > kLargestRunMessage) break;
    size += more;
    message.beats.push_back(inputs->second);
  }
}

}  // namespace

NetSession::NetSession(Game& game, GameParts& parts, GameSessions& sessions, std::filesystem::path levelFile,
                       NetConfig config)
    : game_(game), parts_(parts), sessions_(sessions), levelFile_(std::move(levelFile)), config_(config) {
  if (config_.rules == 0) config_.rules = kRulesVersion;
  config_.localPlayers = std::clamp(config_.localPlayers, 1, kMaxPlayers);
}

NetSession::~NetSession() {
  if (state_ == State::Playing) Finish("");
}

bool NetSession::Host(const std::string& address, std::uint16_t port) {
  if (!link_.Listen(address, port, kMaxMachines - 1)) {
    ending_ = link_.problem();
    state_ = State::Over;
    return false;
  }
  hosting_ = true;
  self_ = 0;
  Machine& host = machines_[0];
  host.joined = host.active = true;
  for (int player = 1; player <= config_.localPlayers; ++player) {
    host.names.push_back(parts_.model.Players[player].Name);
    host.colors.push_back(parts_.model.Players[player].Color);
  }
  host.name = host.names.front();
  state_ = State::Lobby;
  AssignSeats();
  return true;
}

bool NetSession::Join(const std::string& address, std::uint16_t port) {
  if (!link_.Connect(address, port)) {
    ending_ = link_.problem();
    state_ = State::Over;
    return false;
  }
  hosting_ = false;
  state_ = State::Lobby;
  return true;
}

int NetSession::seatsTaken() const {
  return static_cast<int>(std::count_if(seatMachines_.begin(), seatMachines_.end(),
                                        [](std::uint8_t machine) { return machine != kFreeSeat; }));
}

std::uint32_t NetSession::roundTripMs() const {
  std::uint32_t longest = 0;
  for (const Machine& machine : machines_) {
    if (machine.peer) longest = std::max(longest, link_.RoundTripMs(machine.peer));
  }
  return longest;
}

// A key pressed at beat N is run at beat N + delay on every machine: its
// frame must go to the host and back within the delay, whose first beat is
// taken by the machines' own steps being out of phase. A round trip that
// strays twice its usual spread above the mean still fits.
int NetSession::ChooseKeyDelay() const {
  const int interval = std::max(1, GameTimerInterval(parts_.model.Settings.Speed));
  int roundTrip = 0;
  for (const Machine& machine : machines_) {
    if (!machine.peer) continue;
    roundTrip = std::max(
        roundTrip, static_cast<int>(link_.RoundTripMs(machine.peer) + 2 * link_.RoundTripVarianceMs(machine.peer)));
  }
  return std::clamp(1 + (roundTrip + 2 + interval - 1) / interval, 2, kLongestKeyDelay);
}

void NetSession::Send(NetPeer peer, const NetMessage& message) { link_.Send(peer, EncodeNetMessage(message)); }

void NetSession::Broadcast(const NetMessage& message) {
  const std::vector<std::uint8_t> bytes = EncodeNetMessage(message);
  for (int machine = 1; machine < kMaxMachines; ++machine) {
    if (machines_[machine].joined && machines_[machine].peer) link_.Send(machines_[machine].peer, bytes);
  }
}

int NetSession::MachineOf(NetPeer peer) const {
  for (int machine = 0; machine < kMaxMachines; ++machine) {
    if (machines_[machine].peer == peer && peer != nullptr) return machine;
  }
  return -1;
}

// Called again from inside a beat or a start, when a message box's event
// loop runs the window's timer: the network is served and the others keep
// hearing from this machine, so it is waited for rather than dropped, but no
// beat runs and the game is not ended under the call; an ending that comes
// meanwhile waits for the outer poll.
void NetSession::Poll(double now) {
  if (state_ == State::Idle) return;
  now_ = now;
  ++depth_;
  Serve(now);
  if (depth_ == 1) RunDueSteps(now);
  --depth_;
  if (depth_ == 0 && deferredEnding_) {
    const std::string ending = *deferredEnding_;
    deferredEnding_.reset();
    if (state_ == State::Playing) Finish(ending);
  }
  if (state_ == State::Playing) Heartbeat(now);
  link_.Flush();
}

void NetSession::Serve(double now) {
  while (const auto event = link_.Service()) Receive(*event, now);
  if (state_ != State::Playing) return;
  if (hosting_) {
    CheckSilence(now);
    BuildFrames(now);
    ResendFrames(now);
    return;
  }
  // The host's game ended at its last beat; this one ends there too.
  if (hostSaidOver_ && step_ >= hostsLastBeat_) {
    Finish("");
    return;
  }
  if (!unacknowledgedInputs_.empty() && now - lastInputsSent_ >= kResendSeconds) SendInputs(now);
  if (frames_.count(step_ + 1) == 0) {
    if (frameWaitSince_ < 0) frameWaitSince_ = now;
    const double silent = now - machines_[0].lastHeard;
    if (silent > config_.retireSeconds) {
      Finish("The host has left the game.");
      return;
    }
    if (silent > config_.waitSeconds && waitingFor_.empty()) waitingFor_ = machines_[0].name;
  }
}

void NetSession::RunDueSteps(double now) {
  for (int ran = 0;
       ran < kMostBeatsPerPoll && state_ == State::Playing && !deferredEnding_ && frames_.count(step_ + 1) > 0 &&
       (!config_.paced || now >= nextDue_) && !(hostSaidOver_ && step_ >= hostsLastBeat_);
       ++ran) {
    RunStep(now);
    if (config_.paced) {
      const double interval = std::max(1, beat_.interval()) / 1000.0;
      nextDue_ = std::max(nextDue_ + interval, now - interval);
    }
    if (hosting_) BuildFrames(now);
  }
}

void NetSession::Heartbeat(double now) {
  if (now - lastSent_ < kHeartbeatSeconds) return;
  lastSent_ = now;
  NetMessage status;
  status.type = NetType::Status;
  status.text = hosting_ ? waitingFor_ : std::string();
  if (hosting_) {
    Broadcast(status);
  } else {
    Send(machines_[0].peer, status);
  }
}

void NetSession::Receive(const LinkEvent& event, double now) {
  switch (event.kind) {
    case LinkEvent::Kind::Connected:
      if (hosting_) return;
      machines_[0].peer = event.peer;
      machines_[0].lastHeard = now;
      {
        NetMessage hello;
        hello.type = NetType::Hello;
        hello.protocol = config_.protocol;
        hello.rules = config_.rules;
        hello.players = static_cast<std::uint8_t>(config_.localPlayers);
        for (int player = 1; player <= config_.localPlayers; ++player) {
          hello.names[player - 1] = parts_.model.Players[player].Name;
          hello.colors[player - 1] = parts_.model.Players[player].Color;
        }
        Send(event.peer, hello);
      }
      return;
    case LinkEvent::Kind::Disconnected: {
      if (!hosting_) {
        if (state_ == State::Playing && hostSaidOver_) return;
        if (state_ != State::Over) Finish(ending_.empty() ? "The host has left the game." : ending_);
        return;
      }
      const int machine = MachineOf(event.peer);
      if (machine > 0) {
        machines_[machine].peer = nullptr;
        if (machines_[machine].joined && state_ != State::Over) {
          Retire(machine, machines_[machine].name + " has left the game.");
        }
      }
      return;
    }
    case LinkEvent::Kind::Received: break;
  }
  const std::size_t limit = event.bytes.size() > 1 && event.bytes[1] == static_cast<std::uint8_t>(NetType::Start)
                                ? kLargestStartMessage
                                : kLargestNetMessage;
  if (event.bytes.size() > limit) {
    ++drops_.oversized;
    return;
  }
  const std::optional<NetMessage> message = DecodeNetMessage(event.bytes);
  if (!message) {
    ++drops_.malformed;
    return;
  }
  if (hosting_) {
    const int machine = MachineOf(event.peer);
    if (machine < 0 && message->type == NetType::Hello && state_ == State::Lobby) {
      Welcome(event.peer, *message, now);
    } else if (machine < 0 && message->type == NetType::Hello) {
      NetMessage refuse;
      refuse.type = NetType::Refuse;
      refuse.reason = RefuseReason::GameStarted;
      refuse.protocol = config_.protocol;
      refuse.rules = config_.rules;
      Send(event.peer, refuse);
      link_.Disconnect(event.peer);
    } else if (machine <= 0) {
      ++drops_.unknown;
    } else {
      machines_[machine].lastHeard = now;
      HostReceive(machine, *message, now);
    }
  } else if (event.peer == machines_[0].peer) {
    machines_[0].lastHeard = now;
    JoinerReceive(*message, now);
  } else {
    ++drops_.unknown;
  }
}

void NetSession::Welcome(NetPeer peer, const NetMessage& hello, double now) {
  NetMessage refuse;
  refuse.type = NetType::Refuse;
  refuse.protocol = config_.protocol;
  refuse.rules = config_.rules;
  if (hello.protocol != config_.protocol || hello.rules != config_.rules) {
    refuse.reason = RefuseReason::OtherVersion;
    notices_.push_back("A machine of " + VersionText(hello.protocol, hello.rules) + " was refused: this one plays " +
                       VersionText(config_.protocol, config_.rules) + ".");
  } else {
    int machine = 1;
    while (machine < kMaxMachines && machines_[machine].joined) ++machine;
    if (machine < kMaxMachines && seatsTaken() + hello.players <= kMaxPlayers) {
      Machine& joiner = machines_[machine];
      joiner = Machine{};
      joiner.peer = peer;
      joiner.joined = joiner.active = true;
      joiner.lastHeard = now;
      joiner.name = hello.names[0].empty() ? "machine " + std::to_string(machine) : hello.names[0];
      joiner.names.assign(hello.names.begin(), hello.names.begin() + hello.players);
      joiner.colors.assign(hello.colors.begin(), hello.colors.begin() + hello.players);
      AssignSeats();
      return;
    }
    refuse.reason = RefuseReason::SeatsTaken;
  }
  Send(peer, refuse);
  link_.Disconnect(peer);
}

void NetSession::AssignSeats() {
  seatNames_ = {};
  seatColors_ = {};
  seatMachines_ = {kFreeSeat, kFreeSeat, kFreeSeat, kFreeSeat};
  int seat = 1;
  for (int machine = 0; machine < kMaxMachines; ++machine) {
    Machine& sitting = machines_[machine];
    if (!sitting.joined) continue;
    sitting.seats = 0;
    const int firstSeat = seat;
    for (std::size_t player = 0; player < sitting.names.size() && seat <= kMaxPlayers; ++player, ++seat) {
      sitting.seats |= 1u << (seat - 1);
      seatNames_[seat - 1] = sitting.names[player];
      seatColors_[seat - 1] = sitting.colors[player];
      seatMachines_[seat - 1] = static_cast<std::uint8_t>(machine);
      if (machine == 0) localSeats_[player + 1] = seat;
    }
    if (machine == 0) continue;
    NetMessage welcome;
    welcome.type = NetType::Welcome;
    welcome.machine = static_cast<std::uint8_t>(machine);
    welcome.firstSeat = static_cast<std::uint8_t>(firstSeat);
    welcome.players = static_cast<std::uint8_t>(sitting.names.size());
    Send(sitting.peer, welcome);
  }
  NetMessage lobby;
  lobby.type = NetType::Lobby;
  lobby.names = seatNames_;
  lobby.seatMachines = seatMachines_;
  Broadcast(lobby);
}

void NetSession::JoinerReceive(const NetMessage& message, double now) {
  switch (message.type) {
    case NetType::Welcome:
      if (state_ != State::Lobby) break;
      self_ = message.machine;
      for (int player = 1; player <= std::min<int>(message.players, config_.localPlayers); ++player) {
        localSeats_[player] = message.firstSeat + player - 1;
      }
      return;
    case NetType::Refuse: {
      const std::string why = message.reason == RefuseReason::OtherVersion
                                  ? "The host plays " + VersionText(message.protocol, message.rules) +
                                        "; this machine plays " + VersionText(config_.protocol, config_.rules) + "."
                              : message.reason == RefuseReason::SeatsTaken
                                  ? "The host has no seats left for this machine's players."
                                  : "The host's game has already started.";
      ending_ = why;
      state_ = State::Over;
      return;
    }
    case NetType::Lobby:
      seatNames_ = message.names;
      seatMachines_ = message.seatMachines;
      machines_[0].name = seatNames_[0];
      return;
    case NetType::Start: {
      if (state_ != State::Lobby || self_ == 0) break;
      auto decoded = DecodeReplay(message.game, config_.rules);
      if (auto* failure = std::get_if<FileError>(&decoded)) {
        Finish("The host's game could not be read: " + failure->text());
        return;
      }
      seatMachines_ = message.seatMachines;
      keeper_.Keep(parts_.model);
      BeginGame(std::get<Replay>(decoded), message.seed, message.keyDelay);
      return;
    }
    case NetType::Frame:
      // Copies sent again may still come after the end.
      if (state_ == State::Over) return;
      if (state_ != State::Playing) break;
      TakeFrames(message);
      return;
    case NetType::Status: waitingFor_ = message.text; return;
    case NetType::Desync:
      Finish("The game went out of step with the host's at beat " + std::to_string(message.beat) +
             " and has been stopped.");
      return;
    case NetType::Bye:
      if (message.text.empty()) {
        hostSaidOver_ = true;
        hostsLastBeat_ = message.beat;
      } else {
        ending_ = message.text;
        if (state_ != State::Playing)
          state_ = State::Over;
        else
          Finish(message.text);
      }
      return;
    default: break;
  }
  (void)now;
  ++drops_.outOfOrder;
}

// Only the seats of the machine that sends them: a key of another seat's
// keys, or an input no player may send, marks the whole message as forged.
bool NetSession::SteersOwnSeats(int machine, const std::vector<GameInput>& inputs) const {
  for (const GameInput& input : inputs) {
    switch (input.kind) {
      case InputKind::Key: {
        bool own = input.value == VkP || input.value == VkPause;
        for (int seat = 1; seat <= kMaxPlayers && !own; ++seat) {
          own = (machines_[machine].seats & (1u << (seat - 1))) != 0 &&
                SteeredDirection(seat, static_cast<int>(input.value)).has_value();
        }
        if (!own) return false;
        break;
      }
      case InputKind::Pause:
      case InputKind::Stop:
      case InputKind::Wrap:
      case InputKind::Long: break;
      default: return false;
    }
  }
  return true;
}

void NetSession::HostReceive(int machine, const NetMessage& message, double now) {
  (void)now;
  Machine& from = machines_[machine];
  switch (message.type) {
    case NetType::Inputs:
      if (state_ == State::Over) return;
      if (state_ != State::Playing || !from.active) break;
      TakeInputs(machine, message);
      return;
    case NetType::Checksum:
      if (state_ == State::Over) return;
      if (state_ != State::Playing) break;
      CompareChecksum(machine, message.beat, message.checksum);
      return;
    case NetType::Status: return;
    case NetType::Bye:
      if (state_ == State::Over) return;
      Retire(machine, from.name + " has left the game.");
      link_.Disconnect(from.peer);
      from.peer = nullptr;
      return;
    default: break;
  }
  ++drops_.outOfOrder;
}

void NetSession::CompareChecksum(int machine, std::uint32_t beat, std::uint32_t checksum) {
  const auto own = ownChecksums_.find(beat);
  if (own == ownChecksums_.end()) {
    // A joiner may run a few beats ahead of the host; a beat long past is forgotten.
    if (beat > step_ && beat <= step_ + kInputWindow) {
      earlyChecksums_[beat].emplace_back(machine, checksum);
    } else {
      ++drops_.past;
    }
    return;
  }
  if (own->second == checksum) {
    ++checksumsAgreed_;
    return;
  }
  NetMessage desync;
  desync.type = NetType::Desync;
  desync.beat = beat;
  Broadcast(desync);
  Finish("The game went out of step with " + machines_[machine].name + "'s at beat " + std::to_string(beat) +
         " and has been stopped.");
}

bool NetSession::StartGame(NewGameChoice choice) {
  if (!hosting_ || state_ != State::Lobby) return false;
  GameModel& model = parts_.model;
  keeper_.Keep(model);
  const int players = seatsTaken();
  for (int seat = 1; seat <= kMaxPlayers; ++seat) {
    if (seatMachines_[seat - 1] == kFreeSeat) continue;
    model.Players[seat].Name = seatNames_[seat - 1];
    model.Players[seat].Color = seatColors_[seat - 1];
  }
  Replay start;
  start.rulesVersion = config_.rules;
  start.start = ReplayStart::Dialog;
  start.playerCount = static_cast<std::uint8_t>(players);
  start.competition = choice.Competition && players > 1;
  start.winsTarget = static_cast<std::uint8_t>(std::clamp(choice.WinsTarget, 1, kMaxWinsTarget));
  start.builtIn = choice.BuiltIn;
  start.speed = static_cast<std::uint8_t>(model.Settings.Speed);
  start.showMessages = model.Settings.ShowMessages;
  for (int player = 1; player <= kMaxPlayers; ++player) start.names[player - 1] = model.Players[player].Name;
  if (!choice.BuiltIn) {
    auto read = ReadWholeFile(choice.LevelFile, kLargestStartMessage / 2);
    if (auto* failure = std::get_if<FileError>(&read)) {
      notices_.push_back(std::filesystem::path(choice.LevelFile).filename().string() + ": " + failure->text());
      keeper_.Restore(model, parts_.options);
      return false;
    }
    start.levelFile = std::move(std::get<std::vector<std::uint8_t>>(read));
    start.levelFileName = std::filesystem::path(choice.LevelFile).filename().string();
  }
  start.startState = PackRuns(RuleStateBytes(model));
  NetMessage message;
  message.type = NetType::Start;
  message.keyDelay = static_cast<std::uint8_t>(ChooseKeyDelay());
  message.seed = std::random_device{}();
  message.seatMachines = seatMachines_;
  message.game = EncodeReplay(start);
  Broadcast(message);
  BeginGame(start, message.seed, message.keyDelay);
  return state_ == State::Playing;
}

void NetSession::BeginGame(const Replay& start, std::uint32_t seed, int keyDelay) {
  if (const auto problem = SetUpRecordedStart(start, parts_.model, levelFile_)) {
    keeper_.Restore(parts_.model, parts_.options);
    ending_ = *problem;
    state_ = State::Over;
    return;
  }
  for (int machine = 0; machine < kMaxMachines; ++machine) {
    machines_[machine].seats = 0;
    machines_[machine].inputs.clear();
    machines_[machine].inputsHeld = machines_[machine].framesAcknowledged = static_cast<std::uint32_t>(keyDelay);
  }
  for (int seat = 1; seat <= kMaxPlayers; ++seat) {
    const std::uint8_t owner = seatMachines_[seat - 1];
    if (owner < kMaxMachines) machines_[owner].seats |= 1u << (seat - 1);
  }
  random_.seed(seed);
  keyDelay_ = keyDelay;
  step_ = 0;
  frames_.clear();
  unacknowledgedFrames_.clear();
  unacknowledgedInputs_.clear();
  for (std::uint32_t beat = 1; beat <= static_cast<std::uint32_t>(keyDelay_); ++beat) frames_[beat] = {};
  framesHeld_ = static_cast<std::uint32_t>(keyDelay_);
  nextFrame_ = framesHeld_ + 1;
  nextDue_ = 0;
  sessions_.sessionPorts().Override({.timers = &beat_, .highScores = &sealed_, .clock = this});
  beat_.SetTimerEnabled(GameTimer::Game, false);
  sessions_.router().Drive(this);
  state_ = State::Playing;
  const NewGameChoice choice = RecordedChoice(start, levelFile_);
  sessions_.router().Apply([&] { game_.StartButtonClick(choice); });
  if (!GameInPlay(parts_.model)) Finish("The network game could not be started.");
}

// The host builds each frame as soon as every machine still in the game has
// sent its inputs for that beat: its own first, then the others' in machine
// order, after any snakes to retire.
void NetSession::BuildFrames(double now) {
  bool built = false;
  while (state_ == State::Playing) {
    bool complete = true;
    for (const Machine& machine : machines_) {
      if (machine.active && machine.inputs.count(nextFrame_) == 0) complete = false;
    }
    if (!complete) {
      if (frameWaitSince_ < 0) frameWaitSince_ = now;
      break;
    }
    std::vector<GameInput> frame;
    if (pendingRetire_ != 0) frame.push_back({InputKind::Retire, 0, pendingRetire_});
    if (pendingTakeOver_ != 0) frame.push_back({InputKind::TakeOver, 0, pendingTakeOver_});
    pendingRetire_ = pendingTakeOver_ = 0;
    for (Machine& machine : machines_) {
      const auto inputs = machine.inputs.find(nextFrame_);
      if (inputs == machine.inputs.end()) continue;
      frame.insert(frame.end(), inputs->second.begin(), inputs->second.end());
      machine.inputs.erase(inputs);
    }
    if (frame.size() > kMostInputsPerMessage) frame.resize(kMostInputsPerMessage);
    unacknowledgedFrames_[nextFrame_] = frame;
    frames_[nextFrame_] = std::move(frame);
    framesHeld_ = nextFrame_++;
    built = true;
    frameWaitSince_ = -1;
    if (!waitingFor_.empty()) SetWaitingFor({});
  }
  if (!built) return;
  for (int machine = 1; machine < kMaxMachines; ++machine) SendFrames(machine, Delivery::Once, now);
}

// A machine whose inputs are missing is waited for, with its name shown
// everywhere; one that has said nothing at all for too long leaves the game.
void NetSession::CheckSilence(double now) {
  if (frameWaitSince_ < 0) return;
  for (int machine = 0; machine < kMaxMachines; ++machine) {
    Machine& waited = machines_[machine];
    if (!waited.active || waited.inputs.count(nextFrame_) > 0) continue;
    if (machine > 0 && now - waited.lastHeard > config_.retireSeconds) {
      Retire(machine, waited.name + " went silent; the computer plays on in their place.", true);
      link_.Drop(waited.peer);
      waited.peer = nullptr;
      continue;
    }
    if (now - frameWaitSince_ > config_.waitSeconds && waitingFor_ != waited.name) SetWaitingFor(waited.name);
    return;
  }
}

// Every machine shows whom the game waits for; an empty name ends the wait.
void NetSession::SetWaitingFor(const std::string& name) {
  waitingFor_ = name;
  NetMessage status;
  status.type = NetType::Status;
  status.text = waitingFor_;
  Broadcast(status);
}

void NetSession::Retire(int machine, const std::string& why, bool takeOver) {
  Machine& leaving = machines_[machine];
  if (!leaving.active) return;
  leaving.active = false;
  notices_.push_back(why);
  if (state_ == State::Lobby) {
    leaving.joined = false;
    AssignSeats();
    return;
  }
  (takeOver ? pendingTakeOver_ : pendingRetire_) |= leaving.seats;
  leaving.inputs.clear();
}

void NetSession::Submit(std::uint32_t beat, std::vector<GameInput> inputs, double now) {
  if (inputs.size() > kMostInputsPerMessage) inputs.resize(kMostInputsPerMessage);
  if (hosting_) {
    machines_[0].inputs[beat] = std::move(inputs);
    return;
  }
  unacknowledgedInputs_[beat] = std::move(inputs);
  SendInputs(now);
}

void NetSession::SendInputs(double now) {
  if (unacknowledgedInputs_.empty()) return;
  NetMessage message;
  message.type = NetType::Inputs;
  message.acknowledged = framesHeld_;
  FillRun(message, unacknowledgedInputs_.begin()->first, unacknowledgedInputs_, unacknowledgedInputs_.rbegin()->first);
  link_.Send(machines_[0].peer, EncodeNetMessage(message), Delivery::Once);
  lastInputsSent_ = now;
}

// Every frame from the first the machine has not acknowledged; when the game
// is over they go reliably, as many messages as it takes.
void NetSession::SendFrames(int machine, Delivery delivery, double now) {
  Machine& to = machines_[machine];
  if (!to.joined || !to.active || to.peer == nullptr) return;
  std::uint32_t first = to.framesAcknowledged + 1;
  do {
    NetMessage message;
    message.type = NetType::Frame;
    message.acknowledged = to.inputsHeld;
    FillRun(message, first, unacknowledgedFrames_, framesHeld_);
    if (message.beats.empty()) return;
    link_.Send(to.peer, EncodeNetMessage(message), delivery);
    first += static_cast<std::uint32_t>(message.beats.size());
  } while (delivery == Delivery::Reliable && first <= framesHeld_);
  to.lastFramesSent = now;
}

// Frames go again to a machine that has not acknowledged them for a while;
// the ones every machine holds are forgotten.
void NetSession::ResendFrames(double now) {
  std::uint32_t acknowledgedByAll = framesHeld_;
  for (int machine = 1; machine < kMaxMachines; ++machine) {
    Machine& to = machines_[machine];
    if (!to.joined || !to.active || to.peer == nullptr) continue;
    acknowledgedByAll = std::min(acknowledgedByAll, to.framesAcknowledged);
    if (to.framesAcknowledged < framesHeld_ && now - to.lastFramesSent >= kResendSeconds) {
      SendFrames(machine, Delivery::Once, now);
    }
  }
  unacknowledgedFrames_.erase(unacknowledgedFrames_.begin(), unacknowledgedFrames_.upper_bound(acknowledgedByAll));
}

// A run of a machine's inputs: the beats the host already holds are copies
// sent again, and a run that starts past a gap cannot be one of ours.
void NetSession::TakeInputs(int machine, const NetMessage& message) {
  Machine& from = machines_[machine];
  const auto count = static_cast<std::uint32_t>(message.beats.size());
  const std::uint32_t last = message.beat + count - 1;
  if (message.beat > from.inputsHeld + 1 || (count > 0 && last > nextFrame_ + kInputWindow)) {
    ++drops_.outOfOrder;
    return;
  }
  if (message.acknowledged > from.framesAcknowledged && message.acknowledged <= framesHeld_) {
    from.framesAcknowledged = message.acknowledged;
  }
  if (count == 0 || last <= from.inputsHeld) {
    if (count > 0 && last + kInputWindow < nextFrame_) ++drops_.past;
    return;
  }
  const std::uint32_t fresh = from.inputsHeld + 1 - message.beat;
  for (std::uint32_t i = fresh; i < count; ++i) {
    if (!SteersOwnSeats(machine, message.beats[i])) {
      ++drops_.notOwner;
      return;
    }
  }
  for (std::uint32_t i = fresh; i < count; ++i) from.inputs[message.beat + i] = message.beats[i];
  from.inputsHeld = last;
}

void NetSession::TakeFrames(const NetMessage& message) {
  const auto count = static_cast<std::uint32_t>(message.beats.size());
  const std::uint32_t last = message.beat + count - 1;
  if (message.beat > framesHeld_ + 1) {
    ++drops_.outOfOrder;
    return;
  }
  unacknowledgedInputs_.erase(unacknowledgedInputs_.begin(), unacknowledgedInputs_.upper_bound(message.acknowledged));
  if (count == 0 || last <= framesHeld_) {
    if (count > 0 && last + kInputWindow < step_) ++drops_.past;
    return;
  }
  for (std::uint32_t beat = framesHeld_ + 1; beat <= last; ++beat) frames_[beat] = message.beats[beat - message.beat];
  framesHeld_ = last;
  frameWaitSince_ = -1;
}

void NetSession::Apply(const GameInput& input) {
  GameOptions& options = parts_.options;
  switch (input.kind) {
    case InputKind::Key: game_.FormKeyDown(static_cast<int>(input.value), ShiftNone); break;
    case InputKind::Pause: game_.Pause1Click(); break;
    case InputKind::Stop: game_.Stop1Click(); break;
    case InputKind::Wrap: options.SetWrap(input.value != 0); break;
    case InputKind::Long: options.SetLong(input.value != 0); break;
    case InputKind::Retire:
      // No command of the game's own carries these two to the recorder:
      // without them a replay of this game would go another way.
      if (sessions_.router().recordingOn()) sessions_.recorder().Input(input);
      RetireSnakes(parts_, input.value);
      break;
    case InputKind::TakeOver:
      if (sessions_.router().recordingOn()) sessions_.recorder().Input(input);
      TakeOverSnakes(parts_, input.value);
      break;
    default: break;
  }
}

void NetSession::RunStep(double now) {
  const std::uint32_t beat = step_ + 1;
  const std::vector<GameInput> frame = std::move(frames_[beat]);
  frames_.erase(beat);
  sessions_.router().Apply([&] {
    for (const GameInput& input : frame) Apply(input);
    if (beat_.TimerEnabled(GameTimer::Game)) game_.TimerTimer();
  });
  step_ = beat;
  if (onBeat_) onBeat_(beat);
  Submit(beat + static_cast<std::uint32_t>(keyDelay_), std::move(localQueue_), now);
  localQueue_.clear();
  lastSent_ = now;
  if (beat % kReplayChecksumBeats == 0) {
    const std::uint32_t checksum = RuleChecksum(parts_.model);
    if (hosting_) {
      ownChecksums_[beat] = checksum;
      const auto early = earlyChecksums_.find(beat);
      if (early != earlyChecksums_.end()) {
        const auto reported = std::move(early->second);
        earlyChecksums_.erase(early);
        for (const auto& [machine, theirs] : reported) {
          CompareChecksum(machine, beat, theirs);
          if (state_ != State::Playing) return;
        }
      }
      // Every machine has reported long before the host is this far ahead.
      ownChecksums_.erase(
          ownChecksums_.begin(),
          ownChecksums_.lower_bound(beat > 100 * kReplayChecksumBeats ? beat - 100 * kReplayChecksumBeats : 0));
    } else {
      NetMessage message;
      message.type = NetType::Checksum;
      message.beat = beat;
      message.checksum = checksum;
      Send(machines_[0].peer, message);
    }
  }
  if (!GameInPlay(parts_.model)) Finish("");
}

bool NetSession::TakeLiveInput(const GameInput& input) {
  if (state_ != State::Playing) return true;
  switch (input.kind) {
    case InputKind::Key: {
      const int key = static_cast<int>(input.value);
      if (key == VkP || key == VkPause) {
        localQueue_.push_back({InputKind::Pause, 0, 0});
        break;
      }
      for (int player = 1; player <= config_.localPlayers; ++player) {
        const auto direction = SteeredDirection(player, key);
        if (direction && localSeats_[player] >= 1) {
          localQueue_.push_back(
              {InputKind::Key, 0, static_cast<std::uint32_t>(SteeringKeyFor(localSeats_[player], *direction))});
        }
      }
      break;
    }
    case InputKind::Pause:
    case InputKind::Stop:
    case InputKind::Wrap:
    case InputKind::Long: localQueue_.push_back(input); break;
    default: break;  // the other options would change this machine's game alone
  }
  return true;
}

bool NetSession::TakeLiveCommand(GameCommand command) {
  if (command == GameCommand::ShutDown) Leave();
  return true;
}

void NetSession::Leave() {
  if (state_ == State::Over || state_ == State::Idle) return;
  NetMessage bye;
  bye.type = NetType::Bye;
  if (hosting_) {
    bye.text = "The host has left the game.";
    Broadcast(bye);
    Finish(bye.text);
    ending_.clear();
  } else {
    Send(machines_[0].peer, bye);
    Finish("");
  }
}

bool NetSession::Settled() const {
  return state_ == State::Idle ||
         (state_ == State::Over && (!link_.Connected() || now_ - overSince_ >= kLingerSeconds));
}

void NetSession::Vanish() {
  link_.Vanish();
  if (state_ == State::Playing) Finish("");
  state_ = State::Over;
}

// The game ends on this machine: a game still in play is stopped while the
// session's ports are still in place, and the player's settings come back.
void NetSession::Finish(const std::string& ending) {
  if (depth_ > 1) {
    if (!deferredEnding_) deferredEnding_ = ending;
    return;
  }
  // What ended the game while a box was shown says more than the game's own
  // end that followed it.
  const std::string why = ending.empty() && deferredEnding_ ? *deferredEnding_ : ending;
  deferredEnding_.reset();
  if (ending_.empty()) ending_ = why;
  const bool wasPlaying = state_ == State::Playing;
  state_ = State::Over;
  overSince_ = now_;
  if (wasPlaying) {
    sessions_.router().Apply([&] { game_.Stop1Click(); });
    sessions_.router().Drive(nullptr);
    sessions_.sessionPorts().ClearOverrides();
    keeper_.Restore(parts_.model, parts_.options);
    parts_.view.screens.RepaintBoard();
  }
  if (hosting_) {
    // The others run to the host's last beat: the frames they lack go first,
    // in order with the goodbye, and the goodbye names that beat.
    if (wasPlaying) {
      for (int machine = 1; machine < kMaxMachines; ++machine) SendFrames(machine, Delivery::Reliable, now_);
    }
    NetMessage bye;
    bye.type = NetType::Bye;
    bye.text = why;
    bye.beat = step_;
    Broadcast(bye);
    for (int machine = 1; machine < kMaxMachines; ++machine) link_.Disconnect(machines_[machine].peer);
  } else {
    link_.Disconnect(machines_[0].peer);
  }
  link_.Flush();
  waitingFor_.clear();
}

}  // namespace coilrun
