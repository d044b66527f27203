// Running out of memory ends the program: it is reported in a message box and the process
// exits with code -1. No handler can carry on without the memory it asked for.
#pragma once

namespace vantrel::win32 {

[[noreturn]] void EndForLackOfMemory();

}  // namespace vantrel::win32
