// ByteBuffer: a counted run of bytes, or no buffer at all.
//
// It carries UTF-16LE code units between the system's code page 936 texts and the automation
// layer. "No buffer" and "a buffer of zero bytes" are different things on the way in (an absent
// text gives no buffer), so the absence is part of the value.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vantrel {

class ByteBuffer {
 public:
  ByteBuffer() = default;  // no buffer

  // A new zero-filled buffer; a requested size of 0 or less gives no buffer.
  static ByteBuffer OfSize(int32_t size) {
    ByteBuffer b;
    if (size > 0) b.bytes_.emplace(static_cast<size_t>(size), uint8_t{0});
    return b;
  }
  static ByteBuffer FromBytes(std::vector<uint8_t> bytes) {
    ByteBuffer b;
    b.bytes_ = std::move(bytes);
    return b;
  }

  bool present() const { return bytes_.has_value(); }
  // The byte count: 0 where there is no buffer.
  int32_t size() const { return bytes_ ? static_cast<int32_t>(bytes_->size()) : 0; }
  const uint8_t* data() const { return bytes_ ? bytes_->data() : nullptr; }
  uint8_t* data() { return bytes_ ? bytes_->data() : nullptr; }
  const std::vector<uint8_t>* bytes() const { return bytes_ ? &*bytes_ : nullptr; }

  friend bool operator==(const ByteBuffer&, const ByteBuffer&) = default;

 private:
  std::optional<std::vector<uint8_t>> bytes_;
};

}  // namespace vantrel
