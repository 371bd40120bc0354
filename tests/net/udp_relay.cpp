#include "tests/net/udp_relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace coilrun::testing {

namespace {

constexpr std::size_t kLargestDatagram = 65536;

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

int OpenSocket() {
  const int socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
  if (socket < 0) throw std::runtime_error("no socket");
  const sockaddr_in address = Loopback(0);
  if (bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(socket);
    throw std::runtime_error("no port on 127.0.0.1");
  }
  return socket;
}

}  // namespace

UdpRelay::UdpRelay(std::uint16_t hostPort, std::uint32_t seed) : host_(Loopback(hostPort)), random_(seed) {
  listen_ = OpenSocket();
  sockaddr_in bound{};
  socklen_t size = sizeof bound;
  getsockname(listen_, reinterpret_cast<sockaddr*>(&bound), &size);
  port_ = ntohs(bound.sin_port);
}

UdpRelay::~UdpRelay() {
  for (const Client& client : clients_) close(client.socket);
  close(listen_);
}

void UdpRelay::Hold(double now, int socket, const sockaddr_in& to, const std::uint8_t* bytes, std::size_t size) {
  std::uniform_real_distribution<double> delay(0.040, 0.080);
  if (random_() % 10 == 0) {
    ++dropped;
    return;
  }
  const int copies = random_() % 20 == 0 ? 2 : 1;
  duplicated += copies - 1;
  for (int copy = 0; copy < copies; ++copy) {
    held_.push_back({now + delay(random_), socket, to, std::vector<std::uint8_t>(bytes, bytes + size)});
  }
}

void UdpRelay::LoseWhatTheHostSent(double now) {
  TakeIn(now);
  // What goes towards the machines leaves through the socket they talk to.
  const auto lost =
      std::remove_if(held_.begin(), held_.end(), [&](const Held& held) { return held.socket == listen_; });
  dropped += held_.end() - lost;
  held_.erase(lost, held_.end());
}

void UdpRelay::Pump(double now) {
  TakeIn(now);
  // Sent in the order they fall due, which is not the order they came in.
  std::stable_sort(held_.begin(), held_.end(), [](const Held& a, const Held& b) { return a.due < b.due; });
  auto due = held_.begin();
  for (; due != held_.end() && due->due <= now; ++due) {
    sendto(due->socket, due->bytes.data(), due->bytes.size(), 0, reinterpret_cast<const sockaddr*>(&due->to),
           sizeof due->to);
    ++forwarded;
  }
  held_.erase(held_.begin(), due);
}

void UdpRelay::TakeIn(double now) {
  std::vector<std::uint8_t> buffer(kLargestDatagram);
  sockaddr_in from{};
  socklen_t size = sizeof from;
  ssize_t got = 0;
  while ((got = recvfrom(listen_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &size)) > 0) {
    auto client = std::find_if(clients_.begin(), clients_.end(), [&](const Client& known) {
      return known.address.sin_port == from.sin_port && known.address.sin_addr.s_addr == from.sin_addr.s_addr;
    });
    if (client == clients_.end()) {
      clients_.push_back({from, OpenSocket()});
      client = clients_.end() - 1;
    }
    Hold(now, client->socket, host_, buffer.data(), static_cast<std::size_t>(got));
    size = sizeof from;
  }
  for (const Client& client : clients_) {
    while ((got = recv(client.socket, buffer.data(), buffer.size(), 0)) > 0) {
      Hold(now, listen_, client.address, buffer.data(), static_cast<std::size_t>(got));
    }
  }
}

}  // namespace coilrun::testing
