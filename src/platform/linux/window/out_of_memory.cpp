#include "platform/linux/window/out_of_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QMessageBox>
#include <QString>

namespace vantrel::platform {
namespace {

// A mapping of its own rather than a heap block: unmapping it returns the address space at once,
// which is what an address-space limit or an exhausted heap is short of.
void* reserve = MAP_FAILED;

}  // namespace

void ReserveMemoryForTheMessage() {
  if (reserve != MAP_FAILED) return;
  reserve = mmap(nullptr, kMessageReserveBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
}

void EndForLackOfMemory() {
  if (reserve != MAP_FAILED) {
    munmap(reserve, kMessageReserveBytes);
    reserve = MAP_FAILED;
  }
  QMessageBox::critical(nullptr, QStringLiteral("Vantrel"),
                        QStringLiteral("\u5185\u5B58\u4E0D\u8DB3\u3002") /* 内存不足。 */);
  // Nothing of the program's state is worth tidying up, and its destructors would need memory.
  _exit(-1);
}

}  // namespace vantrel::platform
