#include "formats/net_messages.h"

#include "formats/byte_stream.h"
#include "formats/short_string.h"

namespace coilrun {

namespace {

constexpr std::uint8_t kMagic = 0xC5;
constexpr std::uint8_t kFreeSeat = 255;
constexpr std::uint8_t kLastMachine = 3;
constexpr std::uint8_t kLastSeat = 4;
constexpr std::uint8_t kLongestKeyDelay = 60;
constexpr std::size_t kLongestText = 255;

void PutInputs(ByteWriter& out, const std::vector<GameInput>& inputs) {
  out.U8(static_cast<std::uint32_t>(inputs.size()));
  for (const GameInput& input : inputs) {
    out.U8(static_cast<std::uint8_t>(input.kind));
    out.U8(input.subject);
    out.Varint(input.value);
  }
}

bool GetInputs(ByteReader& in, std::vector<GameInput>& inputs) {
  const std::uint8_t count = in.U8();
  if (count > kMostInputsPerMessage) return false;
  for (std::uint8_t i = 0; i < count; ++i) {
    GameInput input;
    const std::uint8_t kind = in.U8();
    input.subject = in.U8();
    input.value = in.Varint();
    if (in.failed() || kind < 1 || kind > kLastInputKind) return false;
    input.kind = static_cast<InputKind>(kind);
    if (!InputInRange(input)) return false;
    inputs.push_back(input);
  }
  return true;
}

bool IsMachineOrFree(std::uint8_t machine) { return machine <= kLastMachine || machine == kFreeSeat; }

}  // namespace

std::vector<std::uint8_t> EncodeNetMessage(const NetMessage& m) {
  ByteWriter out;
  out.U8(kMagic);
  out.U8(static_cast<std::uint8_t>(m.type));
  switch (m.type) {
    case NetType::Hello:
      out.U16(m.protocol);
      out.U32(m.rules);
      out.U8(m.players);
      for (std::uint8_t i = 0; i < m.players && i < 4; ++i) {
        out.Text(m.names[i].substr(0, kMaxNameLength));
        out.U32(m.colors[i]);
      }
      break;
    case NetType::Welcome:
      out.U8(m.machine);
      out.U8(m.firstSeat);
      out.U8(m.players);
      break;
    case NetType::Refuse:
      out.U8(static_cast<std::uint8_t>(m.reason));
      out.U16(m.protocol);
      out.U32(m.rules);
      break;
    case NetType::Lobby:
      for (int i = 0; i < 4; ++i) {
        out.U8(m.seatMachines[i]);
        out.Text(m.names[i].substr(0, kMaxNameLength));
      }
      break;
    case NetType::Start:
      out.U8(m.keyDelay);
      out.U32(m.seed);
      for (int i = 0; i < 4; ++i) out.U8(m.seatMachines[i]);
      out.Bytes(m.game);
      break;
    case NetType::Inputs:
    case NetType::Frame:
      out.U32(m.beat);
      out.U32(m.acknowledged);
      out.U8(static_cast<std::uint32_t>(m.beats.size()));
      for (const auto& inputs : m.beats) PutInputs(out, inputs);
      break;
    case NetType::Checksum:
      out.U32(m.beat);
      out.U32(m.checksum);
      break;
    case NetType::Desync: out.U32(m.beat); break;
    case NetType::Status: out.Text(m.text.substr(0, kLongestText)); break;
    case NetType::Bye:
      out.Text(m.text.substr(0, kLongestText));
      out.U32(m.beat);
      break;
  }
  return out.Take();
}

std::optional<NetMessage> DecodeNetMessage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kLargestStartMessage) return std::nullopt;
  ByteReader in(bytes);
  NetMessage m;
  if (in.U8() != kMagic) return std::nullopt;
  const std::uint8_t type = in.U8();
  if (in.failed() || type < 1 || type > kLastNetType) return std::nullopt;
  m.type = static_cast<NetType>(type);
  if (m.type != NetType::Start && bytes.size() > kLargestNetMessage) return std::nullopt;
  bool valid = true;
  switch (m.type) {
    case NetType::Hello:
      m.protocol = in.U16();
      m.rules = in.U32();
      m.players = in.U8();
      valid = m.players >= 1 && m.players <= kLastSeat;
      for (std::uint8_t i = 0; valid && i < m.players; ++i) {
        m.names[i] = in.Text(kMaxNameLength);
        m.colors[i] = in.U32();
        valid = m.colors[i] <= 0xFFFFFF;
      }
      break;
    case NetType::Welcome:
      m.machine = in.U8();
      m.firstSeat = in.U8();
      m.players = in.U8();
      valid = m.machine >= 1 && m.machine <= kLastMachine && m.firstSeat >= 1 && m.players >= 1 &&
              m.firstSeat + m.players - 1 <= kLastSeat;
      break;
    case NetType::Refuse: {
      const std::uint8_t reason = in.U8();
      m.protocol = in.U16();
      m.rules = in.U32();
      valid = reason >= static_cast<std::uint8_t>(RefuseReason::OtherVersion) &&
              reason <= static_cast<std::uint8_t>(RefuseReason::GameStarted);
      m.reason = static_cast<RefuseReason>(reason);
      break;
    }
    case NetType::Lobby:
      for (int i = 0; i < 4; ++i) {
        m.seatMachines[i] = in.U8();
        m.names[i] = in.Text(kMaxNameLength);
        valid = valid && IsMachineOrFree(m.seatMachines[i]);
      }
      break;
    case NetType::Start:
      m.keyDelay = in.U8();
      m.seed = in.U32();
      for (int i = 0; i < 4; ++i) {
        m.seatMachines[i] = in.U8();
        valid = valid && IsMachineOrFree(m.seatMachines[i]);
      }
      m.game = in.Bytes(kLargestStartMessage);
      valid = valid && m.keyDelay >= 1 && m.keyDelay <= kLongestKeyDelay;
      break;
    case NetType::Inputs:
    case NetType::Frame: {
      m.beat = in.U32();
      m.acknowledged = in.U32();
      const std::uint8_t count = in.U8();
      valid = count <= kMostBeatsPerMessage && m.beat <= UINT32_MAX - count;
      for (std::uint8_t i = 0; valid && i < count; ++i) valid = GetInputs(in, m.beats.emplace_back());
      break;
    }
    case NetType::Checksum:
      m.beat = in.U32();
      m.checksum = in.U32();
      break;
    case NetType::Desync: m.beat = in.U32(); break;
    case NetType::Status: m.text = in.Text(kLongestText); break;
    case NetType::Bye:
      m.text = in.Text(kLongestText);
      m.beat = in.U32();
      break;
  }
  if (!valid || !in.atEnd()) return std::nullopt;
  return m;
}

}  // namespace coilrun
