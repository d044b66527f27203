// The pingers a platform's ping tests run the table for: its system pinger, and on Linux each
// socket kind on its own.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "speedtest/pinger.h"

namespace vantrel {

struct PingerUnderTest {
  std::string name;
  std::function<std::unique_ptr<Pinger>()> make;
};

std::vector<PingerUnderTest> PingersUnderTest();

inline void PrintTo(const PingerUnderTest& pinger, std::ostream* out) { *out << pinger.name; }

}  // namespace vantrel
