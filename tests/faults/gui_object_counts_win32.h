// Counts of the window-system objects a process holds, to see that repeated work leaves none
// behind.
//
// GetGuiResources answers 0 under Wine, so the counts are taken where both systems keep them:
// GDI objects from the process's GDI handle table (reached through the PEB, as on Windows), USER
// objects as the windows the process owns (top-level, message-only and all their descendants).
#pragma once

#include <windows.h>

#include <ostream>

namespace vantrel::faults {

struct GuiObjectCounts {
  DWORD gdiReported;    // GetGuiResources(GR_GDIOBJECTS): 0 where the system does not count
  DWORD userReported;   // GetGuiResources(GR_USEROBJECTS)
  int gdiHandles;       // live entries of the GDI handle table that belong to this process
  int windows;          // windows of this process
  DWORD kernelHandles;  // GetProcessHandleCount

  bool operator==(const GuiObjectCounts&) const = default;
};

GuiObjectCounts CountGuiObjects();

inline void PrintTo(const GuiObjectCounts& counts, std::ostream* out) {
  *out << "{GetGuiResources gdi " << counts.gdiReported << " user " << counts.userReported
       << ", GDI handles " << counts.gdiHandles << ", windows " << counts.windows
       << ", kernel handles " << counts.kernelHandles << "}";
}

}  // namespace vantrel::faults
