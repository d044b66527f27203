// UTF-16 code units as the little-endian bytes that a byte array carries them in, and back:
// the way a string crosses the automation layer as a byte array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline std::vector<uint8_t> Utf16LeBytes(std::u16string_view units) {
  std::vector<uint8_t> bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t unit : units) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

// The whole code units of `byteCount` bytes; a trailing odd byte takes no part.
inline std::u16string Utf16LeUnits(const uint8_t* bytes, size_t byteCount) {
  std::u16string units(byteCount / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return units;
}

}  // namespace vantrel
