// What the benchmarks share: results pages of a given size, and a list and a pinger that stand
// aside, so that a benchmark of the speed test measures the extraction and the staging alone.
#pragma once

#include "speedtest/controls.h"
#include "speedtest/pinger.h"
#include "support/results_page.h"

namespace vantrel::bench {

class NoList : public AddressList {
 public:
  void DeleteAllRows() override {}
  int InsertRow() override { return 0; }
  void SetCellText(int, int, const Text&) override {}
  int GetFirstSelectedRow() override { return -1; }
  Text GetCellText(int, int) override { return Text(); }
};

class NoPinger : public Pinger {
 protected:
  int Echo(const Text&, int) override { return 0; }
};

// A results page of `rows` loopback addresses, 127.0.0.1 onwards.
inline Text LoopbackPage(size_t rows) {
  std::vector<testing_support::ResultRow> table;
  for (size_t i = 0; i < rows; ++i) {
    table.push_back({std::to_string(i + 1),
                     "127.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1),
                     "\xB1\xBE\xBB\xFA \xBB\xD8\xBB\xB7"});  // 本机 回环
  }
  return testing_support::MakeResultsPage(table);
}

// A page of about `bytes` bytes of result rows.
inline Text PageOfSize(size_t bytes) {
  const size_t rowBytes = LoopbackPage(1).size() - LoopbackPage(0).size();
  return LoopbackPage(bytes / rowBytes);
}

}  // namespace vantrel::bench
