// How many bytes the process holds on its heap right now: the sanitizer allocator's count under
// AddressSanitizer (which replaces malloc), glibc's in-use bytes otherwise.
#pragma once

#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTREL_LIVE_HEAP_FROM_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VANTREL_LIVE_HEAP_FROM_SANITIZER 1
#endif

#ifdef VANTREL_LIVE_HEAP_FROM_SANITIZER
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

namespace vantrel::testing_support {

inline size_t LiveHeapBytes() {
#ifdef VANTREL_LIVE_HEAP_FROM_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  // Chunks in the arenas plus those large enough to be mapped on their own.
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace vantrel::testing_support
