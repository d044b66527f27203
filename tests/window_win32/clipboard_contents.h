// Reading and filling the clipboard directly, to see what the program left there.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::win32::testing {

// The CF_TEXT bytes up to their NUL, or nothing when the clipboard holds no text.
std::optional<std::string> ClipboardText();
// Replaces the clipboard's content with CF_TEXT bytes, or with Unicode text.
void PutClipboardText(std::string_view bytes);
void PutClipboardUnicodeText(std::wstring_view text);
// Opens the clipboard for a window of the calling thread, as another program would hold it,
// until CloseClipboard; false when it could not be had.
bool HoldClipboard();

}  // namespace vantrel::win32::testing
