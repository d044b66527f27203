// Code page 936 conversions on arbitrary input: bytes to UTF-16 and UTF-16 to bytes never crash
// and stay within their size bounds, and every valid GBK text (the input with its invalid
// sequences dropped) comes back byte for byte from UTF-16, through the platform converter and
// through the byte-buffer conversions the pattern matcher uses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pattern/text_conversions.h"
#include "pattern/utf16le.h"
#include "platform/code_page.h"

namespace {

using vantrel::Text;
namespace platform = vantrel::platform;

void Require(bool condition) {
  if (!condition) std::abort();
}

// What the converter says about one character on its own: a sequence that it turns into one
// unit other than the default character is a character of the code page.
bool IsCharacter(std::string_view bytes) {
  const std::u16string units = platform::Cp936ToUtf16(bytes);
  return units.size() == 1 && (units[0] != u'?' || bytes == "?");
}

// The input with every byte that starts no valid character dropped.
Text ValidText(std::string_view input) {
  Text text;
  for (size_t i = 0; i < input.size();) {
    const size_t length = vantrel::CharLengthAt(input, i);
    if (i + length <= input.size() && IsCharacter(input.substr(i, length))) {
      text.append(input.substr(i, length));
      i += length;
    } else {
      ++i;
    }
  }
  return text;
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += vantrel::CharLengthAt(text, i)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  // Any bytes: at most one unit per byte; any units: at most two bytes per unit.
  Require(platform::Cp936ToUtf16(input).size() <= input.size());
  const std::u16string units = vantrel::Utf16LeUnits(data, size);
  Require(platform::Utf16ToCp936(units).size() <= 2 * units.size());
  (void)vantrel::Utf16BytesToText(vantrel::ByteBuffer::FromBytes({data, data + size}));
  (void)vantrel::TextToUtf16Bytes(input);

  // A valid text: one unit per character, and back to the same bytes.
  const Text text = ValidText(input);
  const std::u16string textUnits = platform::Cp936ToUtf16(text);
  Require(textUnits.size() == CharacterCount(text));
  Require(platform::Utf16ToCp936(textUnits) == text);

  // The same through the byte buffers: the text up to its first NUL, with a terminator.
  const std::string_view upToNul = vantrel::UpToNul(text);
  const vantrel::ByteBuffer buffer = vantrel::TextToUtf16Bytes(text);
  Require(buffer.present());
  Require(static_cast<size_t>(buffer.size()) == 2 * (CharacterCount(upToNul) + 1));
  Require(buffer.data()[buffer.size() - 1] == 0 && buffer.data()[buffer.size() - 2] == 0);
  Require(vantrel::Utf16BytesToText(buffer) == upToNul);
  return 0;
}
