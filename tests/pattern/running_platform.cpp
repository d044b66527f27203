#include "running_platform.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantrel::testing_support {

bool RunningUnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace vantrel::testing_support
