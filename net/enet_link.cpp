#include "net/enet_link.h"

#include <enet/enet.h>

#include <mutex>

namespace coilrun {

namespace {

constexpr int kChannels = 2;
constexpr enet_uint8 kReliableChannel = 0;
constexpr enet_uint8 kOnceChannel = 1;
// ENet's own give-up time for a peer: longer than the game's own limits, so
// that the game decides when a silent machine is dropped.
constexpr enet_uint32 kTimeoutMinimumMs = 12000;
constexpr enet_uint32 kTimeoutMaximumMs = 20000;

void InitializeOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (enet_initialize() == 0) std::atexit(enet_deinitialize);
  });
}

// ENet drops unreliable packets on purpose when the round trip varies, to
// spare a congested line; the game's few small packets a beat are what must
// get through, and they are sent again anyway, so that throttle stays open.
void SetUpPeer(ENetPeer* peer) {
  enet_peer_timeout(peer, 0, kTimeoutMinimumMs, kTimeoutMaximumMs);
  enet_peer_throttle_configure(peer, ENET_PEER_PACKET_THROTTLE_INTERVAL, ENET_PEER_PACKET_THROTTLE_SCALE, 0);
}

bool AddressOf(const std::string& name, std::uint16_t port, ENetAddress& address) {
  address.port = port;
  if (name.empty()) {
    address.host = ENET_HOST_ANY;
    return true;
  }
  return enet_address_set_host(&address, name.c_str()) == 0;
}

}  // namespace

EnetLink::EnetLink() { InitializeOnce(); }

EnetLink::~EnetLink() { Vanish(); }

bool EnetLink::Listen(const std::string& address, std::uint16_t port, int peers) {
  ENetAddress where{};
  if (!AddressOf(address, port, where)) {
    problem_ = "The address " + address + " is not known.";
    return false;
  }
  host_ = enet_host_create(&where, static_cast<std::size_t>(peers), kChannels, 0, 0);
  if (host_ == nullptr) problem_ = "No game can be hosted on port " + std::to_string(port) + ": it may be in use.";
  return host_ != nullptr;
}

bool EnetLink::Connect(const std::string& address, std::uint16_t port) {
  ENetAddress where{};
  if (!AddressOf(address, port, where) || address.empty()) {
    problem_ = "The address " + address + " is not known.";
    return false;
  }
  host_ = enet_host_create(nullptr, 1, kChannels, 0, 0);
  if (host_ == nullptr) {
    problem_ = "The network could not be opened.";
    return false;
  }
  ENetPeer* peer = enet_host_connect(host_, &where, kChannels, 0);
  server_ = peer;
  if (peer == nullptr) {
    problem_ = "No connection could be made to " + address + ".";
    return false;
  }
  enet_peer_timeout(peer, 0, kTimeoutMinimumMs, kTimeoutMaximumMs);
  return true;
}

std::optional<LinkEvent> EnetLink::Service() {
  if (host_ == nullptr) return std::nullopt;
  ENetEvent event;
  while (enet_host_service(host_, &event, 0) > 0) {
    switch (event.type) {
      case ENET_EVENT_TYPE_CONNECT: SetUpPeer(event.peer); return LinkEvent{LinkEvent::Kind::Connected, event.peer, {}};
      case ENET_EVENT_TYPE_DISCONNECT: return LinkEvent{LinkEvent::Kind::Disconnected, event.peer, {}};
      case ENET_EVENT_TYPE_RECEIVE: {
        LinkEvent received{
            LinkEvent::Kind::Received, event.peer,
            std::vector<std::uint8_t>(event.packet->data, event.packet->data + event.packet->dataLength)};
        enet_packet_destroy(event.packet);
        return received;
      }
      case ENET_EVENT_TYPE_NONE: break;
    }
  }
  return std::nullopt;
}

void EnetLink::Send(NetPeer peer, std::span<const std::uint8_t> bytes, Delivery delivery) {
  if (peer == nullptr) peer = server_;
  if (host_ == nullptr || peer == nullptr) return;
  const bool reliable = delivery == Delivery::Reliable;
  ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(),
                                          reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
  if (packet != nullptr && enet_peer_send(peer, reliable ? kReliableChannel : kOnceChannel, packet) != 0) {
    enet_packet_destroy(packet);
  }
}

void EnetLink::Flush() {
  if (host_ != nullptr) enet_host_flush(host_);
}

void EnetLink::Disconnect(NetPeer peer) {
  if (host_ != nullptr && peer != nullptr) enet_peer_disconnect_later(peer, 0);
}

void EnetLink::Drop(NetPeer peer) {
  if (host_ != nullptr && peer != nullptr) enet_peer_reset(peer);
}

void EnetLink::Vanish() {
  if (host_ != nullptr) enet_host_destroy(host_);
  host_ = nullptr;
  server_ = nullptr;
}

bool EnetLink::Connected() const {
  if (host_ == nullptr) return false;
  for (std::size_t i = 0; i < host_->peerCount; ++i) {
    if (host_->peers[i].state != ENET_PEER_STATE_DISCONNECTED) return true;
  }
  return false;
}

std::uint32_t EnetLink::RoundTripMs(NetPeer peer) const { return peer ? peer->roundTripTime : 0; }
std::uint32_t EnetLink::RoundTripVarianceMs(NetPeer peer) const { return peer ? peer->roundTripTimeVariance : 0; }
std::uint16_t EnetLink::port() const { return host_ ? host_->address.port : 0; }
std::uint64_t EnetLink::bytesSent() const { return host_ ? host_->totalSentData : 0; }
std::uint64_t EnetLink::bytesReceived() const { return host_ ? host_->totalReceivedData : 0; }
std::uint64_t EnetLink::datagramsSent() const { return host_ ? host_->totalSentPackets : 0; }

}  // namespace coilrun
