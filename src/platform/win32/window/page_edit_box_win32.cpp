#include "window/page_edit_box_win32.h"

#include <string>

#include "window/wide_text.h"

namespace vantrel::win32 {

Text Win32PageEditBox::ReadText() {
  const int length = GetWindowTextLengthW(edit_);
  if (length <= 0) return Text();
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(edit_, wide.data(), length + 1);
  wide.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return TextFromWide(wide);
}

void Win32PageEditBox::SetText(const Text& text) {
  SetWindowTextW(edit_, WideFromText(text).c_str());
}

void Win32PageEditBox::AppendText(const Text& text) {
  const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
  SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  const std::wstring wide = WideFromText(text);
  SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace vantrel::win32
