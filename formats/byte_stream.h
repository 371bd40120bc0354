// Little-endian values written to and read from byte buffers in sequence,
// for the formats whose parts vary in length (replays, network messages).
// A reader never reads outside its buffer: once a read would, it fails, and
// every later read gives zeros, so a decoder checks failed() once at the end
// of a part rather than after every value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace coilrun {

class ByteWriter {
 public:
  void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(std::uint32_t value) { Fixed(value, 2); }
  void U32(std::uint32_t value) { Fixed(value, 4); }
  // Seven bits a byte, lowest first; the top bit says another byte follows.
  void Varint(std::uint32_t value);
  // A length (varint) and the bytes.
  void Bytes(std::span<const std::uint8_t> bytes);
  void Text(const std::string& text);

  std::vector<std::uint8_t>& bytes() { return bytes_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  void Fixed(std::uint32_t value, int size);
  std::vector<std::uint8_t> bytes_;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t U8() { return static_cast<std::uint8_t>(Fixed(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Fixed(2)); }
  std::uint32_t U32() { return Fixed(4); }
  std::uint32_t Varint();
  // At most `limit` bytes; a longer length fails the reader.
  std::vector<std::uint8_t> Bytes(std::size_t limit);
  std::string Text(std::size_t limit);

  bool failed() const { return failed_; }
  bool atEnd() const { return !failed_ && at_ == bytes_.size(); }
  std::size_t left() const { return failed_ ? 0 : bytes_.size() - at_; }
  std::size_t position() const { return at_; }
  // Makes every later read fail, for a value that was read but is wrong.
  void Fail() { failed_ = true; }

 private:
  std::uint32_t Fixed(int size);
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace coilrun
