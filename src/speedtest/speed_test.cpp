#include "speedtest/speed_test.h"

#include <string>

#include "pattern/pattern_matcher.h"
#include "speedtest/split_text.h"

namespace vantrel {

Text DecimalText(int value) { return std::to_string(value); }

void RunSpeedTest(const SpeedTestParts& parts) {
  PatternMatcher matcher(parts.automation);
  matcher.Create(kExtractionPattern, parts.editBox.ReadText());
  // From here on the page is gone from the edit box, whatever the number of matches.
  parts.editBox.SetText("");

  const int32_t matchCount = matcher.GetMatchCount();
  for (int32_t i = 1; i <= matchCount; ++i) {
    parts.editBox.AppendText(matcher.GetSubMatchText(i, kAddressGroup) + Text(kLineBreak));
  }
  const std::vector<Text> lines = SplitText(parts.editBox.ReadText(), kLineBreak);
  parts.editBox.SetText("");

  // The rows of the previous run stay until here.
  parts.addressList.DeleteAllRows();
  for (const Text& line : lines) {
    const int row = parts.addressList.InsertRow();
    parts.addressList.SetCellText(row, 0, line);
    const int result = parts.pinger.PingHost(line, kSpeedTestPingWaitMs);
    parts.addressList.SetCellText(row, 1, DecimalText(result));
  }
  matcher.Destroy();
}

}  // namespace vantrel
