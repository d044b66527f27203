#include "pattern/text_conversions.h"

#include <string>

#include "pattern/utf16le.h"
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
  if (units.empty()) return ByteBuffer();
  return ByteBuffer::FromBytes(Utf16LeBytes(units));
}

Text Utf16BytesToText(const ByteBuffer& buffer) {
  // Utf16ToText ends the text at the first U+0000.
  return Utf16ToText(Utf16LeUnits(buffer.data(), static_cast<size_t>(buffer.size())));
}

std::u16string TextToUtf16(std::string_view text) { return platform::Cp936ToUtf16(UpToNul(text)); }

Text Utf16ToText(std::u16string_view units) {
  return Text(UpToNul(platform::Utf16ToCp936(UpToNulUnit(units))));
}

}  // namespace vantrel
