#include "pattern/text_conversions.h"

#include <string>

#include "platform/code_page.h"

namespace vantrel {

namespace {

std::u16string_view UpToNulUnit(std::u16string_view units) {
  const size_t nul = units.find(u'\0');
  return nul == std::u16string_view::npos ? units : units.substr(0, nul);
}

}  // namespace

ByteBuffer TextToUtf16Bytes(std::optional<std::string_view> text) {
  if (!text) return ByteBuffer();
  // Convert the terminating NUL too, as a converter given the length -1 does.
  std::string terminated(UpToNul(*text));
  terminated.push_back('\0');
  const std::u16string units = platform::Cp936ToUtf16(terminated);
  ByteBuffer buffer = ByteBuffer::OfSize(static_cast<int32_t>(units.size() * 2));
  uint8_t* out = buffer.data();
  for (char16_t unit : units) {
    *out++ = static_cast<uint8_t>(unit & 0xFF);
    *out++ = static_cast<uint8_t>(unit >> 8);
  }
  return buffer;
}

Text Utf16BytesToText(const ByteBuffer& buffer) {
  const int32_t n = buffer.size() / 2;  // a trailing odd byte takes no part
  std::u16string units;
  units.reserve(static_cast<size_t>(n));
  const uint8_t* in = buffer.data();
  for (int32_t i = 0; i < n; ++i) {
    const char16_t unit = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    if (unit == u'\0') break;
    units.push_back(unit);
  }
  return Utf16ToText(units);
}

std::u16string TextToUtf16(std::string_view text) { return platform::Cp936ToUtf16(UpToNul(text)); }

Text Utf16ToText(std::u16string_view units) {
  return Text(UpToNul(platform::Utf16ToCp936(UpToNulUnit(units))));
}

}  // namespace vantrel
