// Feeds arbitrary bytes to the network message decoder, as a packet from
// any machine on the network reaches it. A message that decodes must encode
// to bytes that decode to the same message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/net_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto message = coilrun::DecodeNetMessage(std::span(data, size));
  if (!message) return 0;
  const auto again = coilrun::DecodeNetMessage(coilrun::EncodeNetMessage(*message));
  if (!again || *again != *message) std::abort();
  return 0;
}
