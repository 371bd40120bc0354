// A network game of up to four players on up to four machines, in lockstep
// through the host. Every machine runs the same game: its players' keys go
// to the host stamped with the beat they are for, a few beats ahead (the key
// delay, chosen from the measured round trip); the host merges every seat's
// inputs for a beat into one frame and sends it to all; each machine runs
// beat N only once it holds frame N. Inputs and frames go unreliably, each
// message carrying every beat the other side has not acknowledged yet, so a
// lost packet costs the time until the next one rather than a resend's
// round trip; everything else goes reliably. Checksums of the rule state are
// compared every 60 beats, and a machine that goes another way stops the game
// everywhere. The host also waits, and then decides, for machines that fall
// silent. Everything is polled: Poll never waits.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "formats/net_messages.h"
#include "formats/replay_file.h"
#include "game/game.h"
#include "game/game_sessions.h"
#include "game/settings_keeper.h"
#include "net/enet_link.h"

namespace coilrun {

struct NetConfig {
  std::uint16_t protocol = kNetProtocolVersion;
  std::uint32_t rules = 0;  // 0: this program's rules
  // How many of the four seats this machine plays, with the keys of its
  // players 1, 2, ... in that order.
  int localPlayers = 1;
  // Beats keep to the game's speed; tests let them run as fast as the frames come.
  bool paced = true;
  double waitSeconds = 2;
  double retireSeconds = 10;
};

// Packets that were not trusted, by why.
struct DropCounts {
  long malformed = 0;   // not a message of ours, or out of range
  long oversized = 0;   // larger than any message may be
  long unknown = 0;     // from a machine that has not joined
  long outOfOrder = 0;  // a frame or an input not in its turn
  long past = 0;        // for a beat already run
  long notOwner = 0;    // steering a seat its machine does not own
  long total() const { return malformed + oversized + unknown + outOfOrder + past + notOwner; }
};

class NetSession : public InputDriver, private Clock {
 public:
  enum class State { Idle, Lobby, Playing, Over };

  NetSession(Game& game, GameParts& parts, GameSessions& sessions, std::filesystem::path levelFile, NetConfig config);
  ~NetSession() override;
  NetSession(const NetSession&) = delete;
  NetSession& operator=(const NetSession&) = delete;

  // `address` empty: every address of the machine.
  bool Host(const std::string& address, std::uint16_t port);
  bool Join(const std::string& address, std::uint16_t port);
  // The host's start, with the new game dialog's choices; the seats taken
  // decide the number of players.
  bool StartGame(NewGameChoice choice);
  // Services the network and runs the next beat when it is due and its
  // frame is here. `now` in seconds on a steady clock.
  void Poll(double now);
  // Leaves the game or the lobby, telling the others.
  void Leave();
  // Over, and what it had to say has arrived or will never: the session may
  // be closed now without cutting the others' game short.
  bool Settled() const;
  // Gone without a word, as a killed program (for tests).
  void Vanish();

  State state() const { return state_; }
  bool isHost() const { return hosting_; }
  // Why the game or the lobby ended, for the player; empty when it ended by itself.
  const std::string& ending() const { return ending_; }
  // What the host had to say about others (a refused machine, one that left).
  const std::vector<std::string>& notices() const { return notices_; }
  // The machine being waited for, or empty.
  const std::string& waitingFor() const { return waitingFor_; }
  // Each seat's player name, empty when free.
  const std::array<std::string, 4>& seatNames() const { return seatNames_; }
  int seatsTaken() const;
  int keyDelay() const { return keyDelay_; }
  std::uint32_t beat() const { return step_; }
  long checksumsAgreed() const { return checksumsAgreed_; }
  const DropCounts& drops() const { return drops_; }
  std::uint64_t bytesSent() const { return link_.bytesSent(); }
  std::uint64_t bytesReceived() const { return link_.bytesReceived(); }
  std::uint64_t datagramsSent() const { return link_.datagramsSent(); }
  std::uint32_t roundTripMs() const;
  // The key delay the host would choose now.
  int ChooseKeyDelay() const;

  // Told after every beat this machine runs.
  void OnBeat(std::function<void(std::uint32_t)> listener) { onBeat_ = std::move(listener); }
  std::uint16_t port() const { return link_.port(); }

  bool TakeLiveInput(const GameInput& input) override;
  bool TakeLiveCommand(GameCommand command) override;

 private:
  struct Machine {
    NetPeer peer = nullptr;
    bool joined = false;
    bool active = false;
    std::uint32_t seats = 0;  // bit s-1 for seat s
    std::string name;
    // Its players, in the order of their seats.
    std::vector<std::string> names;
    std::vector<Color> colors;
    double lastHeard = 0;
    std::map<std::uint32_t, std::vector<GameInput>> inputs;
    std::uint32_t inputsHeld = 0;  // its inputs are here up to this beat
    std::uint32_t framesAcknowledged = 0;
    double lastFramesSent = 0;
  };

  std::uint32_t ClockSeed() override { return static_cast<std::uint32_t>(random_()); }
  // The network's part of a poll, safe inside a beat: messages taken in,
  // frames built and sent again, silences noticed.
  void Serve(double now);
  void RunDueSteps(double now);
  void Receive(const LinkEvent& event, double now);
  void HostReceive(int machine, const NetMessage& message, double now);
  void JoinerReceive(const NetMessage& message, double now);
  void Welcome(NetPeer peer, const NetMessage& hello, double now);
  // Seats in machine order, the host's first, without gaps; each joiner
  // learns its own, and everybody the lobby.
  void AssignSeats();
  void Send(NetPeer peer, const NetMessage& message);
  void Broadcast(const NetMessage& message);
  void BeginGame(const Replay& start, std::uint32_t seed, int keyDelay);
  void BuildFrames(double now);
  void CheckSilence(double now);
  void SetWaitingFor(const std::string& name);
  void RunStep(double now);
  void Submit(std::uint32_t beat, std::vector<GameInput> inputs, double now);
  void SendInputs(double now);
  void SendFrames(int machine, Delivery delivery, double now);
  void ResendFrames(double now);
  void TakeInputs(int machine, const NetMessage& message);
  void TakeFrames(const NetMessage& message);
  void Apply(const GameInput& input);
  void CompareChecksum(int machine, std::uint32_t beat, std::uint32_t checksum);
  // Its snakes leave the game, or with `takeOver` the computer plays them on.
  void Retire(int machine, const std::string& why, bool takeOver = false);
  void Heartbeat(double now);
  void Finish(const std::string& ending);
  int MachineOf(NetPeer peer) const;
  bool SteersOwnSeats(int machine, const std::vector<GameInput>& inputs) const;

  Game& game_;
  GameParts& parts_;
  GameSessions& sessions_;
  std::filesystem::path levelFile_;
  NetConfig config_;
  EnetLink link_;
  State state_ = State::Idle;
  bool hosting_ = false;
  std::string ending_;
  std::vector<std::string> notices_;
  std::string waitingFor_;
  DropCounts drops_;

  // Machine 0 is the host; a joiner knows only itself and the host.
  std::array<Machine, 4> machines_;
  int self_ = 0;
  std::array<std::string, 4> seatNames_;
  std::array<Color, 4> seatColors_{};
  std::array<std::uint8_t, 4> seatMachines_{255, 255, 255, 255};
  std::array<int, 5> localSeats_{};  // local player 1..4 -> seat

  SessionBeat beat_;
  SealedHighScores sealed_;
  SettingsKeeper keeper_;
  std::mt19937 random_;
  int keyDelay_ = 0;
  std::uint32_t step_ = 0;
  std::uint32_t nextFrame_ = 1;   // host: the next frame to build
  std::uint32_t framesHeld_ = 0;  // the last frame received or built
  std::map<std::uint32_t, std::vector<GameInput>> frames_;
  // Host: the frames built that some machine has not acknowledged.
  std::map<std::uint32_t, std::vector<GameInput>> unacknowledgedFrames_;
  // Joiner: its inputs the host has not acknowledged.
  std::map<std::uint32_t, std::vector<GameInput>> unacknowledgedInputs_;
  double lastInputsSent_ = 0;
  std::vector<GameInput> localQueue_;
  std::uint32_t pendingRetire_ = 0;
  std::uint32_t pendingTakeOver_ = 0;
  std::map<std::uint32_t, std::uint32_t> ownChecksums_;
  // Machines' checksums for beats the host has not run yet.
  std::map<std::uint32_t, std::vector<std::pair<int, std::uint32_t>>> earlyChecksums_;
  long checksumsAgreed_ = 0;
  double nextDue_ = 0;
  double frameWaitSince_ = -1;
  double lastSent_ = 0;
  // Polls under way: more than one inside a message box of the outer one.
  int depth_ = 0;
  std::optional<std::string> deferredEnding_;
  bool hostSaidOver_ = false;
  std::uint32_t hostsLastBeat_ = 0;
  double now_ = 0;
  double overSince_ = 0;
  std::function<void(std::uint32_t)> onBeat_;
};

}  // namespace coilrun
