#include "process_windows.h"

namespace vantrel::testing_support {
namespace {

struct Search {
  DWORD processId;
  const std::function<bool(HWND)>& matches;
  HWND found = nullptr;
};

BOOL CALLBACK RememberMatchingWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !search->matches(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTopLevelWindowOf(DWORD processId, const std::function<bool(HWND)>& matches) {
  Search search{processId, matches};
  EnumWindows(RememberMatchingWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace vantrel::testing_support
