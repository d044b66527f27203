#include "clipboard_win32.h"

#include <cstring>

#include "platform/system.h"

namespace vantrel::win32 {

namespace {

// The clipboard, open for this thread for the life of the object when `open()`.
class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// A global memory block, freed unless it has been handed to the clipboard.
class GlobalBlock {
 public:
  explicit GlobalBlock(HGLOBAL block) : block_(block) {}
  ~GlobalBlock() {
    if (block_) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL get() const { return block_; }
  void HandOver() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

bool CopyInto(HGLOBAL block, std::string_view bytes) {
  void* memory = GlobalLock(block);
  if (!memory) return false;
  std::memcpy(memory, bytes.data(), bytes.size());  // the NUL is there already (zero-filled)
  GlobalUnlock(block);
  return true;
}

}  // namespace

bool Win32Clipboard::SetClipboardText(const Text& text) {
  const OpenedClipboard clipboard;
  if (!clipboard.open()) return false;
  const std::string_view bytes = UpToNul(text);
  GlobalBlock block(allocate_(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + 1));
  if (!block.get() || !CopyInto(block.get(), bytes)) return false;
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, block.get())) block.HandOver();
  return true;
}

}  // namespace vantrel::win32

namespace vantrel::platform {

std::unique_ptr<Clipboard> MakeSystemClipboard() {
  return std::make_unique<win32::Win32Clipboard>(::GlobalAlloc);
}

}  // namespace vantrel::platform
