// Running out of memory ends the program: a message box says so and the process exits with code
// -1. No command can carry on without the memory it asked for, and Qt is not safe for an
// exception that leaves a slot or the event loop, so the exception goes no further than here.
#pragma once

#include <cstddef>
#include <new>

namespace vantrel::platform {

// What the message box may need once nothing else can be had: fonts, a backing store, the
// dialog's widgets.
inline constexpr std::size_t kMessageReserveBytes = std::size_t{32} << 20;

// Sets the reserve aside; only the first call takes it.
void ReserveMemoryForTheMessage();
// Gives the reserve back, shows "内存不足。" and ends the process with exit code -1.
[[noreturn]] void EndForLackOfMemory();

// Runs `command`; if it runs out of memory, the process ends as above.
template <typename Command>
void RunOrEndForLackOfMemory(Command&& command) {
  try {
    command();
  } catch (const std::bad_alloc&) {
    EndForLackOfMemory();
  }
}

}  // namespace vantrel::platform
