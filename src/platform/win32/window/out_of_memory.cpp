#include "window/out_of_memory.h"

#include <windows.h>

namespace vantrel::win32 {

void EndForLackOfMemory() {
  MessageBoxW(nullptr, L"\x5185\x5B58\x4E0D\x8DB3\x3002" /* 内存不足。 */, L"Vantrel",
              MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace vantrel::win32
