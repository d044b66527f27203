// Another program holding the clipboard: opens it with a window of its own, puts its own text
// there and keeps it open until told to let go.
//
//   faults_clipboard_holder HELD-EVENT RELEASE-EVENT TEXT
//
// Signals HELD-EVENT once the clipboard is open, closes it when RELEASE-EVENT is signalled and
// ends with 0; with 2 when it could not open the clipboard, with 3 when no release came within
// its safety bound.
#include <windows.h>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) return 1;
  const HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
  if (!held || !release) return 1;
  const HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
  if (!window || !OpenClipboard(window)) return 2;
  EmptyClipboard();
  const std::string text = argv[3];
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  }
  SetEvent(held);
  // A safety bound for a test that never lets go, not a measure of speed.
  const DWORD waited = WaitForSingleObject(release, 30000);
  CloseClipboard();
  DestroyWindow(window);
  CloseHandle(held);
  CloseHandle(release);
  return waited == WAIT_OBJECT_0 ? 0 : 3;
}
