// A bad network between the loopback's machines, for tests: a UDP relay on
// 127.0.0.1 in front of a host that drops one packet in ten, sends some
// twice, and holds each for 40 to 80 ms, so that many overtake one another.
// Each machine that talks to it gets a socket of its own towards the host,
// so the host still sees them apart. Polled, never waiting.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <random>
#include <vector>

namespace coilrun::testing {

class UdpRelay {
 public:
  UdpRelay(std::uint16_t hostPort, std::uint32_t seed);
  ~UdpRelay();
  UdpRelay(const UdpRelay&) = delete;
  UdpRelay& operator=(const UdpRelay&) = delete;

  std::uint16_t port() const { return port_; }
  // Takes in what has arrived and sends on what is due; `now` in seconds.
  void Pump(double now);
  // Everything the host has sent that is still on its way is lost at once.
  void LoseWhatTheHostSent(double now);

  long forwarded = 0;
  long dropped = 0;
  long duplicated = 0;

 private:
  struct Client {
    sockaddr_in address;
    int socket;
  };
  struct Held {
    double due;
    int socket;
    sockaddr_in to;
    std::vector<std::uint8_t> bytes;
  };
  void TakeIn(double now);
  void Hold(double now, int socket, const sockaddr_in& to, const std::uint8_t* bytes, std::size_t size);

  int listen_ = -1;
  std::uint16_t port_ = 0;
  sockaddr_in host_{};
  std::vector<Client> clients_;
  std::vector<Held> held_;
  std::mt19937 random_;
};

}  // namespace coilrun::testing
