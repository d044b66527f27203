// Text: the system's string type, a run of code page 936 (GBK) bytes.
//
// A byte from 0x81 to 0xFE starts a two-byte character; 0x80 (the euro sign) and 0xFF are
// characters of one byte in this code page, as its converters treat them. Texts end at their first
// NUL when they cross into a platform call, as the C strings they stand for do.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

using Text = std::string;

// Length in bytes of the character that starts at text[pos]: 2 for a lead byte, else 1.
// A lead byte is taken with the byte after it whether or not that byte is a valid trail byte.
// Counting 0x80 or 0xFF as a lead byte would swallow the CR of a line break after it and lose a
// line (an address cell ending in 0x80 comes back from the converter as that byte).
inline size_t CharLengthAt(std::string_view text, size_t pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  return byte >= 0x81 && byte <= 0xFE ? 2 : 1;
}

// The text up to (not including) its first NUL.
inline std::string_view UpToNul(std::string_view text) {
  const size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

}  // namespace vantrel
