#include "speedtest/split_text.h"

namespace vantrel {

std::vector<Text> SplitText(std::string_view text, std::string_view delimiter) {
  std::vector<Text> pieces;
  if (text.empty()) return pieces;
  size_t pieceStart = 0;
  size_t pos = 0;
  // An empty delimiter would match everywhere; it cuts nothing.
  while (!delimiter.empty() && text.size() - pos >= delimiter.size()) {
    if (text.compare(pos, delimiter.size(), delimiter) == 0) {
      pieces.emplace_back(text.substr(pieceStart, pos - pieceStart));
      pos += delimiter.size();
      pieceStart = pos;
      continue;
    }
    const size_t step = CharLengthAt(text, pos);
    if (pos + step > text.size()) break;  // a lead byte at the very end
    pos += step;
  }
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace vantrel
