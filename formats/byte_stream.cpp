#include "formats/byte_stream.h"

namespace coilrun {

namespace {

constexpr int kLongestVarint = 5;  // 32 bits at seven a byte

}  // namespace

void ByteWriter::Fixed(std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ByteWriter::Varint(std::uint32_t value) {
  while (value >= 0x80) {
    bytes_.push_back(static_cast<std::uint8_t>(value | 0x80));
    value >>= 7;
  }
  bytes_.push_back(static_cast<std::uint8_t>(value));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
  Varint(static_cast<std::uint32_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(const std::string& text) {
  Bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::uint32_t ByteReader::Fixed(int size) {
  if (failed_ || bytes_.size() - at_ < static_cast<std::size_t>(size)) {
    failed_ = true;
    return 0;
  }
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes_[at_ + i]) << (8 * i);
  at_ += static_cast<std::size_t>(size);
  return value;
}

// A fifth byte may carry only the top four bits; anything longer or wider is
// no number of ours.
std::uint32_t ByteReader::Varint() {
  std::uint32_t value = 0;
  for (int i = 0; i < kLongestVarint; ++i) {
    const std::uint8_t byte = U8();
    if (failed_) return 0;
    if (i == kLongestVarint - 1 && byte > 0x0F) break;
    value |= static_cast<std::uint32_t>(byte & 0x7F) << (7 * i);
    if ((byte & 0x80) == 0) return value;
  }
  failed_ = true;
  return 0;
}

std::vector<std::uint8_t> ByteReader::Bytes(std::size_t limit) {
  const std::uint32_t size = Varint();
  if (failed_ || size > limit || size > left()) {
    failed_ = true;
    return {};
  }
  const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(at_);
  at_ += size;
  return std::vector<std::uint8_t>(first, first + size);
}

std::string ByteReader::Text(std::size_t limit) {
  const std::vector<std::uint8_t> bytes = Bytes(limit);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace coilrun
