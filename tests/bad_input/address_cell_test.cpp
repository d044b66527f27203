// Address cells that hold no address: markup, spaces, 300 characters. The speed test lists each
// cell as it stands and hands it to the system's pinger, which takes a text that is no dotted
// address for a name: the lookup fails and the row reads "-1". Run only inside the network test
// kit (tests/netkit/netns-run.sh): there no name server can be reached, so no lookup leaves the
// machine, and every address that does parse is a loopback one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lean_controls.h"
#include "netkit/kit_check.h"
#include "pattern/running_platform.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "support/results_page.h"

namespace vantrel::testing_support {
namespace {

enum class Echo {
  kNone,      // no address: "-1"
  kLoopback,  // read as 127.0.0.1 and answered: a time of 0 ms or more (the first echo of a
              // process under Wine, with its services just started, has read 3)
};

struct Cell {
  const char* what;
  Text text;
  Echo linux;  // inet_addr and getaddrinfo of glibc
  Echo wine;   // Wine's ws2_32
};

// Four labels of 63 letters under .invalid: 263 characters, longer than a name may be.
Text LongInvalidName() {
  Text name;
  for (char label = 'a'; label < 'e'; ++label) name += std::string(63, label) + ".";
  return name + "invalid";
}

const std::vector<Cell>& Cells() {
  static const std::vector<Cell> cells = {
      {"bold markup", "<b>127.0.0.1</b>", Echo::kNone, Echo::kNone},
      {"link markup", "<a href=\"http://127.0.0.1/\" title='x'>127.0.0.1</a>", Echo::kNone,
       Echo::kNone},
      {"only spaces", "   ", Echo::kNone, Echo::kNone},
      {"space before", " 127.0.0.1", Echo::kNone, Echo::kNone},
      // inet_addr reads an address up to white space and ignores the rest.
      {"space after", "127.0.0.1 ", Echo::kLoopback, Echo::kLoopback},
      {"two addresses", "127.0.0.1 127.0.0.2", Echo::kLoopback, Echo::kLoopback},
      {"tab inside", "127.0.\t0.1", Echo::kNone, Echo::kNone},
      {"300 letters", std::string(300, 'x'), Echo::kNone, Echo::kNone},
      {"300 characters under .invalid", std::string(37, 'y') + LongInvalidName(), Echo::kNone,
       Echo::kNone},
      {"address then 291 spaces", "127.0.0.1" + std::string(291, ' '), Echo::kLoopback,
       Echo::kLoopback},
      {"300 characters of markup", "<span>" + std::string(287, '7') + "</span>", Echo::kNone,
       Echo::kNone},
  };
  return cells;
}

TEST(AddressCellTest, EveryCellIsListedAsItStandsAndOnlyLoopbackAnswers) {
  const std::string problem = netkit::WhyNotInsideKit();
  if (!problem.empty()) GTEST_FAIL() << "not inside the network test kit: " << problem;

  std::vector<ResultRow> rows;
  std::vector<Text> cells;
  for (const Cell& cell : Cells()) {
    rows.push_back({std::to_string(rows.size() + 1), cell.text, cell.what});
    cells.push_back(cell.text);
  }
  StagingEditBox edit(MakeResultsPage(rows));
  RowList list;
  const auto automation = platform::MakeSystemAutomation();
  const auto pinger = platform::MakeSystemPinger();
  RunSpeedTest({edit, list, *automation, *pinger});

  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(list.Column(0), cells);
  const std::vector<Text> times = list.Column(1);
  ASSERT_EQ(times.size(), Cells().size());
  const bool wine = RunningUnderWine();
  for (size_t i = 0; i < times.size(); ++i) {
    const Cell& cell = Cells()[i];
    SCOPED_TRACE(cell.what);
    if ((wine ? cell.wine : cell.linux) == Echo::kLoopback) {
      EXPECT_GE(std::stoi(times[i]), 0);
    } else {
      EXPECT_EQ(times[i], "-1");
    }
  }
}

}  // namespace
}  // namespace vantrel::testing_support
