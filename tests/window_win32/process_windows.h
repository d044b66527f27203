// Top-level windows of another process, for tests that drive a program started on its own.
#pragma once

#include <windows.h>

#include <functional>

namespace vantrel::testing_support {

// The first top-level window owned by `processId` that `matches` accepts, or nullptr.
HWND FindTopLevelWindowOf(DWORD processId, const std::function<bool(HWND)>& matches);

}  // namespace vantrel::testing_support
