// Reading and filling the clipboard directly, to see what the program left there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace vantrel::win32::testing {

// The CF_TEXT bytes up to their NUL, or nothing when the clipboard holds no text.
std::optional<std::string> ClipboardText();
// Replaces the clipboard's content with CF_TEXT bytes, or with Unicode text.
void PutClipboardText(std::string_view bytes);
void PutClipboardUnicodeText(std::wstring_view text);
// Holds the clipboard open from a window of a thread of its own, as another program would,
// from construction to destruction. Wine lets a second OpenClipboard without a window succeed
// from another thread, so the holder must own a window.
class ClipboardHeldElsewhere {
 public:
  ClipboardHeldElsewhere();
  ~ClipboardHeldElsewhere();
  ClipboardHeldElsewhere(const ClipboardHeldElsewhere&) = delete;
  ClipboardHeldElsewhere& operator=(const ClipboardHeldElsewhere&) = delete;

 private:
  void* opened_;  // events, as HANDLEs
  void* release_;
  std::thread holder_;
};

}  // namespace vantrel::win32::testing
