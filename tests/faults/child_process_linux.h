// Runs a program of the tests as a child process to its end and keeps what it wrote and how it
// ended.
#pragma once

#include <string>
#include <vector>

namespace vantrel::faults {

struct ChildOutcome {
  std::string out;
  std::string err;
  bool exited = false;  // else ended by a signal (or not at all)
  int exitCode = -1;    // 0..255 as the parent sees it
  int signal = 0;
  std::vector<std::string> Lines(const std::string& tag) const;  // the fields after "tag\t"
};

// A safety bound for a child that never ends, not a measure of speed: it is then killed.
inline constexpr int kChildSafetyBoundSeconds = 120;

ChildOutcome RunChild(const std::vector<std::string>& argv);

}  // namespace vantrel::faults
