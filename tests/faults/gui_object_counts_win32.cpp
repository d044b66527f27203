#include "gui_object_counts_win32.h"

#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace vantrel::faults {
namespace {

// One entry of the GDI handle table as 64-bit Windows and Wine lay it out: the owner's process
// id in the low 16 bits of `owner` (0 under Wine, whose table is the process's own), the object
// type in the third byte of `unique`, 0 for a free entry.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint32_t unique;
  std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr int kGdiHandleTableSize = 0x10000;

const GdiHandleEntry* GdiHandleTable() {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0) {
    return nullptr;
  }
  const auto* peb = reinterpret_cast<const std::byte*>(basic.PebBaseAddress);
#ifdef _WIN64
  constexpr std::size_t kTableOffset = 0xF8;  // PEB.GdiSharedHandleTable
#else
  constexpr std::size_t kTableOffset = 0x94;
#endif
  return *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
}

int CountGdiHandles() {
  const GdiHandleEntry* table = GdiHandleTable();
  if (!table) return -1;
  const std::uint32_t self = GetCurrentProcessId() & 0xFFFF;
  int count = 0;
  for (int i = 0; i < kGdiHandleTableSize; ++i) {
    const std::uint32_t owner = table[i].owner & 0xFFFF;
    if (((table[i].unique >> 16) & 0xFF) != 0 && (owner == 0 || owner == self)) ++count;
  }
  return count;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM context) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == GetCurrentProcessId()) ++*reinterpret_cast<int*>(context);
  return TRUE;
}

// Top-level windows with all their descendants.
BOOL CALLBACK CountWindowTree(HWND window, LPARAM context) {
  CountOwnWindow(window, context);
  EnumChildWindows(window, CountOwnWindow, context);
  return TRUE;
}

int CountWindows() {
  int count = 0;
  EnumWindows(CountWindowTree, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    CountWindowTree(window, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

}  // namespace

GuiObjectCounts CountGuiObjects() {
  GuiObjectCounts counts{};
  counts.gdiReported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counts.userReported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counts.gdiHandles = CountGdiHandles();
  counts.windows = CountWindows();
  GetProcessHandleCount(GetCurrentProcess(), &counts.kernelHandles);
  return counts;
}

}  // namespace vantrel::faults
