// One ENet host, polled: every call of Service returns at once with what has
// arrived, so the window's thread can call it from a timer without waiting.
// Reliable sends go in order on one channel; the others go on a channel of
// their own, each packet for itself, so that a lost one holds nothing back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

namespace coilrun {

using NetPeer = _ENetPeer*;

enum class Delivery {
  Reliable,  // resent until it arrives, in order with the other reliable sends
  Once,      // may be lost, duplicated or overtaken; the caller sends again
};

struct LinkEvent {
  enum class Kind { Connected, Disconnected, Received } kind = Kind::Received;
  NetPeer peer = nullptr;
  std::vector<std::uint8_t> bytes;
};

class EnetLink {
 public:
  EnetLink();
  ~EnetLink();
  EnetLink(const EnetLink&) = delete;
  EnetLink& operator=(const EnetLink&) = delete;

  // A host that others connect to on `port` (of `address`, or of every
  // address when empty), for up to `peers` of them; false with problem() set.
  bool Listen(const std::string& address, std::uint16_t port, int peers);
  bool Connect(const std::string& address, std::uint16_t port);

  // Whatever has arrived, waiting for nothing.
  std::optional<LinkEvent> Service();
  // A null peer is the host connected to.
  void Send(NetPeer peer, std::span<const std::uint8_t> bytes, Delivery delivery = Delivery::Reliable);
  void Flush();
  // Says goodbye once what was sent has gone.
  void Disconnect(NetPeer peer);
  // Drops the peer without a word.
  void Drop(NetPeer peer);
  // Gone at once, as a program that is killed: the others hear nothing.
  void Vanish();

  // True while a peer is connected or still saying goodbye: what was sent
  // reliably may not have arrived yet.
  bool Connected() const;
  std::uint32_t RoundTripMs(NetPeer peer) const;
  // How far single round trips stray from that mean.
  std::uint32_t RoundTripVarianceMs(NetPeer peer) const;
  std::uint64_t bytesSent() const;
  std::uint64_t bytesReceived() const;
  std::uint64_t datagramsSent() const;
  const std::string& problem() const { return problem_; }
  bool open() const { return host_ != nullptr; }
  // The port listened on, as the system gave it when asked for port 0.
  std::uint16_t port() const;

 private:
  _ENetHost* host_ = nullptr;
  NetPeer server_ = nullptr;
  std::string problem_;
};

}  // namespace coilrun
