// The Linux automation layer: our own objects, created by ProgID from a small registry.
#include <array>

#include "automation/member_table.h"
#include "automation/regexp_object.h"
#include "platform/system.h"

namespace vantrel::platform {

namespace {

struct ProgIdEntry {
  std::string_view progId;
  ObjectRef (*make)();
};

// ProgIDs compare without regard to case, as the registry's keys do.
constexpr std::array<ProgIdEntry, 1> kClasses{{
    {"VBScript.RegExp", &MakeRegExpObject},
}};

// There is no runtime to initialise per thread: the token only marks the span it covers.
class ThreadToken final : public AutomationLayer::ThreadInit {};

class OwnAutomation final : public AutomationLayer {
 public:
  std::unique_ptr<ThreadInit> InitializeThread() override {
    return std::make_unique<ThreadToken>();
  }
  ObjectRef CreateObject(std::string_view progId) override {
    for (const ProgIdEntry& entry : kClasses) {
      if (EqualIgnoringAsciiCase(entry.progId, progId)) return entry.make();
    }
    return nullptr;
  }
};

}  // namespace

std::unique_ptr<AutomationLayer> MakeSystemAutomation() {
  return std::make_unique<OwnAutomation>();
}

}  // namespace vantrel::platform
