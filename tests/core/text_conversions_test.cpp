// Text <-> UTF-16LE byte buffer conversions, on the platform's code page 936 converter.
#include "pattern/text_conversions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<uint8_t> Bytes(const ByteBuffer& b) {
  return b.present() ? *b.bytes() : std::vector<uint8_t>{0xEE};  // 0xEE marks "no buffer"
}

TEST(TextToUtf16Bytes, KeepsTheTerminatorAndTellsAbsentFromEmpty) {
  EXPECT_EQ(Bytes(TextToUtf16Bytes("")), (std::vector<uint8_t>{0, 0}));
  EXPECT_FALSE(TextToUtf16Bytes(std::nullopt).present());
  EXPECT_EQ(Bytes(TextToUtf16Bytes("abc")),
            (std::vector<uint8_t>{0x61, 0, 0x62, 0, 0x63, 0, 0, 0}));
  // 中 is D6 D0 in code page 936 and U+4E2D.
  EXPECT_EQ(Bytes(TextToUtf16Bytes("\xD6\xD0")), (std::vector<uint8_t>{0x2D, 0x4E, 0, 0}));
  // 0x80 is the euro sign in the Windows table.
  EXPECT_EQ(Bytes(TextToUtf16Bytes("\x80")), (std::vector<uint8_t>{0xAC, 0x20, 0, 0}));
}

TEST(TextToUtf16Bytes, StopsAtTheTextsNul) {
  EXPECT_EQ(Bytes(TextToUtf16Bytes(std::string_view("a\0b", 3))),
            (std::vector<uint8_t>{0x61, 0, 0, 0}));
}

TEST(TextToUtf16Bytes, EveryCharacterIsOneCodeUnit) {
  const std::string text = "IP\xD1\xD3\xB3\xD9 1\xA1\xA3";  // "IP延迟 1。"
  EXPECT_EQ(TextToUtf16Bytes(text).size(), 2 * (7 + 1));
}

struct BytesToTextCase {
  std::vector<uint8_t> bytes;
  bool present;
  std::string expected;
};

class Utf16BytesToTextTable : public testing::TestWithParam<BytesToTextCase> {};

TEST_P(Utf16BytesToTextTable, Converts) {
  const BytesToTextCase& c = GetParam();
  const ByteBuffer buffer = c.present ? ByteBuffer::FromBytes(c.bytes) : ByteBuffer();
  EXPECT_EQ(Utf16BytesToText(buffer), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Utf16BytesToTextTable,
    testing::Values(BytesToTextCase{{0x61, 0, 0x62, 0}, true, "ab"},       // no terminator
                    BytesToTextCase{{0x61, 0, 0, 0, 0x62, 0}, true, "a"},  // ends at U+0000
                    BytesToTextCase{{0x61, 0, 0x62}, true, "a"},           // odd byte
                    BytesToTextCase{{}, false, ""},                        // no buffer
                    BytesToTextCase{{}, true, ""},                         // zero bytes
                    BytesToTextCase{{0, 0, 0x61, 0}, true, ""},            // starts at U+0000
                    BytesToTextCase{{0x2D, 0x4E, 0x87, 0x65}, true, "\xD6\xD0\xCE\xC4"},  // 中文
                    // A character the code page lacks becomes its default character.
                    BytesToTextCase{
                        {0x41, 0, 0x00, 0xAC, 0x42, 0}, true, "A?B"}));  // U+AC00 (Hangul)

TEST(TextConversions, MixedTextRoundTrips) {
  const std::string text =
      "\xBF\xAA\xCA\xBC\xB2\xE2\xCB\xD9 IP 198.51.100.23 \xD1\xD3\xB3\xD9\t<td>\r\n\x80\xA1\xA1";
  EXPECT_EQ(Utf16BytesToText(TextToUtf16Bytes(text)), text);
}

TEST(TextConversions, EveryDoubleByteCharacterRoundTrips) {
  // The whole double-byte range of the code page: every valid pair maps to one code unit
  // and back to the same two bytes.
  int pairs = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string text{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string units = TextToUtf16(text);
      ASSERT_EQ(units.size(), 1u) << std::hex << lead << " " << trail;
      ASSERT_EQ(Utf16ToText(units), text) << std::hex << lead << " " << trail;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 23940);
}

}  // namespace
}  // namespace vantrel
