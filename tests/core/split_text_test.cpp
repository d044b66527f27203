#include "speedtest/split_text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Pieces = std::vector<Text>;

struct SplitCase {
  std::string text;
  Pieces expected;
};

class SplitTextTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTable, CutsAtCrLf) {
  EXPECT_EQ(SplitText(GetParam().text, "\r\n"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextTable,
    testing::Values(SplitCase{"", {}}, SplitCase{"A\r\nB", {"A", "B"}},
                    SplitCase{"A\r\nB\r\n", {"A", "B"}},  // a trailing delimiter adds nothing
                    SplitCase{"A\r\n\r\nB", {"A", "", "B"}}, SplitCase{"\r\n", {""}},
                    SplitCase{"\r\n\r\n", {"", ""}}, SplitCase{"A", {"A"}}, SplitCase{"\r", {"\r"}},
                    // 0x8D 0x0D is one two-byte character: the CR inside it is no delimiter.
                    SplitCase{"x\x8D\r\ny", {"x\x8D\r\ny"}},
                    // 0x80 and 0xFF are characters of one byte: the line break after them counts.
                    SplitCase{"a\x80\r\nb\xFF\r\nc", {"a\x80", "b\xFF", "c"}},
                    SplitCase{"\xD6\xD0\r\n\xCE\xC4", {"\xD6\xD0", "\xCE\xC4"}},
                    // A lead byte at the very end stays in the last piece.
                    SplitCase{"a\r\nb\xD6", {"a", "b\xD6"}}));

TEST(SplitText, OtherDelimiters) {
  EXPECT_EQ(SplitText("a,b,,c", ","), (Pieces{"a", "b", "", "c"}));
  EXPECT_EQ(SplitText("abc", ""), (Pieces{"abc"}));
  EXPECT_EQ(SplitText("ab", "abc"), (Pieces{"ab"}));
}

}  // namespace
}  // namespace vantrel
