#include "clipboard_contents.h"

#include <windows.h>

#include <cstring>

namespace vantrel::win32::testing {

namespace {

void PutClipboardBlock(UINT format, const void* data, size_t bytes) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {
    std::memcpy(GlobalLock(block), data, bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(format, block)) GlobalFree(block);
  }
  CloseClipboard();
}

}  // namespace

std::optional<std::string> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
      text = std::string(bytes, strnlen(bytes, GlobalSize(block)));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

void PutClipboardText(std::string_view bytes) {
  std::string withNul(bytes);
  PutClipboardBlock(CF_TEXT, withNul.c_str(), withNul.size() + 1);
}

void PutClipboardUnicodeText(std::wstring_view text) {
  std::wstring withNul(text);
  PutClipboardBlock(CF_UNICODETEXT, withNul.c_str(), (withNul.size() + 1) * sizeof(wchar_t));
}

ClipboardHeldElsewhere::ClipboardHeldElsewhere()
    : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  holder_ = std::thread([this] {
    // A message-only window of this thread; it goes with the thread.
    const HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, nullptr, nullptr);
    const bool open = window && OpenClipboard(window);
    SetEvent(opened_);
    WaitForSingleObject(release_, 10000);
    if (open) CloseClipboard();
  });
  WaitForSingleObject(opened_, 10000);
}

ClipboardHeldElsewhere::~ClipboardHeldElsewhere() {
  SetEvent(release_);
  holder_.join();
  CloseHandle(opened_);
  CloseHandle(release_);
}

}  // namespace vantrel::win32::testing
