// SplitText against a plain model of its rules. The first input byte picks the delimiter: with
// its high bit set CR LF, the speed test's own; otherwise the next (byte % 4) bytes of the input.
// The rest is the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "speedtest/split_text.h"

namespace {

// Written from the rules, one character at a time, without the implementation's shortcuts.
std::vector<std::string> ModelSplit(const std::string& text, const std::string& delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) return {text};
  std::string piece;
  size_t i = 0;
  while (text.size() - i >= delimiter.size()) {
    if (text.substr(i, delimiter.size()) == delimiter) {
      pieces.push_back(piece);
      piece.clear();
      i += delimiter.size();
    } else if (const auto byte = static_cast<unsigned char>(text[i]);
               byte >= 0x81 && byte <= 0xFE) {
      if (i + 1 == text.size()) break;  // a lead byte with nothing after it
      piece += text[i];
      piece += text[i + 1];
      i += 2;
    } else {
      piece += text[i];
      i += 1;
    }
  }
  piece += text.substr(i);
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string delimiter = "\r\n";
  std::string text = input;
  if ((data[0] & 0x80) == 0) {
    const size_t length = std::min<size_t>(data[0] % 4, input.size());
    delimiter = input.substr(0, length);
    text = input.substr(length);
  }
  if (vantrel::SplitText(text, delimiter) != ModelSplit(text, delimiter)) std::abort();
  return 0;
}
