// The speed test: pull the address cells out of the page in the edit box, list them and ping
// each one in turn.
//
// The edit box doubles as the staging buffer: the addresses are written into it one per line,
// read back and cut into lines, and the box is empty when the run ends.
#pragma once

#include <string_view>

#include "pattern/automation.h"
#include "speedtest/controls.h"
#include "speedtest/pinger.h"

namespace vantrel {

// One data row of the results table gives one match: group 1 the serial number, group 2 the
// address, each cell on its own CR LF line five TABs deep.
inline constexpr std::string_view kExtractionPattern =
    "<td>(.*?)</td>\r\n\t\t\t\t\t<td>(.*?)</td>\r";
inline constexpr int kAddressGroup = 2;
inline constexpr std::string_view kLineBreak = "\r\n";
// How long each echo may take. It has to cover a real round trip across the internet: a wait
// of one millisecond lists every address farther away than that as unreachable.
inline constexpr int kSpeedTestPingWaitMs = 500;

struct SpeedTestParts {
  PageEditBox& editBox;
  AddressList& addressList;
  AutomationLayer& automation;
  Pinger& pinger;
};

void RunSpeedTest(const SpeedTestParts& parts);

// "%d" of an integer.
Text DecimalText(int value);

}  // namespace vantrel
