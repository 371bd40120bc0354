// The messages of a network game, as bytes on the wire: the handshake and
// the lobby, the start, each machine's inputs for a beat, the host's merged
// frames, the checksums, the host's word on who is being waited for, and
// goodbyes. The decoder trusts nothing: a message that is short, long, of an
// unknown type or with a value out of range is refused whole.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/game_inputs.h"

namespace coilrun {

// 2: frames may hand a silent machine's snakes to the computer.
constexpr std::uint16_t kNetProtocolVersion = 2;
// No message but the start, which carries a level file, is larger.
constexpr std::size_t kLargestNetMessage = 4096;
constexpr std::size_t kLargestStartMessage = 4 * 1024 * 1024;
constexpr std::size_t kMostInputsPerMessage = 64;
// Inputs and frames travel in runs of consecutive beats, every beat sent
// again until the other side says it holds it.
constexpr std::size_t kMostBeatsPerMessage = 32;

enum class NetType : std::uint8_t {
  Hello = 1,  // joiner -> host: versions, the joiner's players and their names
  Welcome,    // host -> joiner: its machine number and seats
  Refuse,     // host -> joiner: why it may not join, with the host's versions
  Lobby,      // host -> all: who sits in each seat
  Start,      // host -> all: the game, as a replay's start
  Inputs,     // machine -> host: its inputs for a run of beats
  Frame,      // host -> all: every machine's inputs for a run of beats
  Checksum,   // machine -> host: the rule state's checksum after a beat
  Status,     // host -> all: the machine being waited for, or nobody
  Desync,     // host -> all: the game went out of step at a beat
  Bye,        // either way: leaving, with why and the last beat run
};
constexpr std::uint8_t kLastNetType = static_cast<std::uint8_t>(NetType::Bye);

enum class RefuseReason : std::uint8_t { OtherVersion = 1, SeatsTaken, GameStarted };

struct NetMessage {
  NetType type = NetType::Hello;
  // Hello, Refuse
  std::uint16_t protocol = 0;
  std::uint32_t rules = 0;
  // Hello: the joiner's players; Lobby: the four seats' names (empty: free)
  std::array<std::string, 4> names;
  std::array<std::uint32_t, 4> colors{};
  std::uint8_t players = 0;
  // Welcome: the joiner's machine number (1..3) and first seat; Lobby: each
  // seat's machine (0 the host, 255 free)
  std::uint8_t machine = 0;
  std::uint8_t firstSeat = 0;
  std::array<std::uint8_t, 4> seatMachines{255, 255, 255, 255};
  // Refuse, Bye, Status: a reason or a name
  RefuseReason reason = RefuseReason::OtherVersion;
  std::string text;
  // Start
  std::uint8_t keyDelay = 0;
  std::uint32_t seed = 0;
  std::vector<std::uint8_t> game;  // an encoded replay holding only the start
  // Inputs, Frame: the first beat of `beats`; Checksum, Desync, Bye: the beat
  std::uint32_t beat = 0;
  // Inputs, Frame: each beat's inputs, from `beat` on
  std::vector<std::vector<GameInput>> beats;
  // Inputs: the last frame the machine holds without a gap; Frame: the last
  // of the machine's own inputs the host holds so
  std::uint32_t acknowledged = 0;
  std::uint32_t checksum = 0;

  friend bool operator==(const NetMessage&, const NetMessage&) = default;
};

std::vector<std::uint8_t> EncodeNetMessage(const NetMessage& message);
// Nothing for bytes that are no message of ours.
std::optional<NetMessage> DecodeNetMessage(std::span<const std::uint8_t> bytes);

}  // namespace coilrun
