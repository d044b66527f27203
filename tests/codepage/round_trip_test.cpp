// Every character of code page 936 converts to one code unit and back to the same bytes, and no
// two characters share a code unit.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/code_page.h"

namespace vantrel::platform {
namespace {

bool IsPrivateUse(char16_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

// Checks one character; returns its code unit, or 0 after recording a failure.
char16_t RoundTrip(const std::string& bytes) {
  const std::u16string units = Cp936ToUtf16(bytes);
  if (units.size() != 1) {
    ADD_FAILURE() << "bytes " << std::hex << static_cast<int>(static_cast<uint8_t>(bytes[0]))
                  << " (" << bytes.size() << " bytes) gave " << std::dec << units.size()
                  << " units";
    return 0;
  }
  EXPECT_EQ(Utf16ToCp936(units), bytes) << "unit U+" << std::hex << static_cast<int>(units[0]);
  return units[0];
}

TEST(CodePageRoundTrip, EverySingleByteCharacter) {
  std::set<char16_t> units;
  for (int byte = 0x00; byte <= 0xFF; ++byte) {
    if (byte >= 0x81 && byte <= 0xFE) continue;  // lead bytes
    units.insert(RoundTrip(std::string(1, static_cast<char>(byte))));
  }
  EXPECT_EQ(units.size(), 130u);
  EXPECT_EQ(Cp936ToUtf16("\x80"), u"\x20AC");
  EXPECT_EQ(Cp936ToUtf16("\xFF"), u"\xF8F5");
}

TEST(CodePageRoundTrip, EveryDoubleByteCharacterIsOneToOne) {
  std::set<char16_t> units;
  int private_use = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char16_t unit = RoundTrip({static_cast<char>(lead), static_cast<char>(trail)});
      ASSERT_FALSE(HasFailure()) << std::hex << lead << " " << trail;
      ASSERT_TRUE(units.insert(unit).second)
          << std::hex << lead << " " << trail << " shares U+" << static_cast<int>(unit);
      private_use += IsPrivateUse(unit) ? 1 : 0;
    }
  }
  EXPECT_EQ(units.size(), 23940u);
  EXPECT_EQ(private_use, 2149);
}

TEST(CodePageRoundTrip, AllCharactersInOneTextConvertInOnePass) {
  std::string text;
  for (int byte = 0x00; byte <= 0xFF; ++byte) {
    if (byte < 0x81 || byte > 0xFE) text.push_back(static_cast<char>(byte));
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      text.push_back(static_cast<char>(lead));
      text.push_back(static_cast<char>(trail));
    }
  }
  const std::u16string units = Cp936ToUtf16(text);
  EXPECT_EQ(units.size(), 24070u);
  EXPECT_EQ(Utf16ToCp936(units), text);
}

}  // namespace
}  // namespace vantrel::platform
