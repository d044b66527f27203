// The Windows converter's rules for what falls outside the table: bad and lone lead bytes, the
// default character, best-fit mappings, surrogates, default-ignorables and composition. The same
// cases run on the Windows build (under Wine) and on the Linux build.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "platform/code_page.h"

namespace vantrel::platform {
namespace {

// A case's test name: its description in CamelCase.
template <typename Rule>
std::string RuleName(const testing::TestParamInfo<Rule>& info) {
  std::string name;
  bool upper = true;
  for (const char c : std::string(info.param.what)) {
    if (!std::isalnum(static_cast<unsigned char>(c))) {
      upper = true;
      continue;
    }
    name.push_back(upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c);
    upper = false;
  }
  return name;
}

struct BytesRule {
  const char* what;
  std::string bytes;
  std::u16string units;
};

void PrintTo(const BytesRule& rule, std::ostream* os) { *os << rule.what; }

class BytesToUnitsRules : public testing::TestWithParam<BytesRule> {};

TEST_P(BytesToUnitsRules, Convert) {
  EXPECT_EQ(Cp936ToUtf16(GetParam().bytes), GetParam().units) << GetParam().what;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    LeadBytes, BytesToUnitsRules,
    testing::Values(
        BytesRule{"lone lead byte at the end", "A\x81"s, u"A?"},
        BytesRule{"lead byte takes a bad trail byte with it",
                  "\xB0\x7F"
                  "A"s,
                  u"?A"},
        BytesRule{"lead byte takes a space with it", "\xB0 A"s, u"?A"},
        BytesRule{"lead byte takes FF with it",
                  "\xB0\xFF"
                  "A"s,
                  u"?A"},
        BytesRule{"lead byte leaves a NUL alone", "\xB0\0A"s, std::u16string(u"?\0A", 3)},
        BytesRule{"lead byte before NUL at the end", "\xB0\0"s, std::u16string(u"?\0", 2)},
        BytesRule{"lead byte takes a lead byte as its trail", "\xB0\xB0\xA1"s, u"\x978D?"},
        BytesRule{"NULs inside convert", "a\0\xD6\xD0\0"s, std::u16string(u"a\0\x4E2D\0", 4)},
        BytesRule{"80 and FF are single-byte characters", "\x80\xFF\xD6\xD0"s,
                  u"\x20AC\xF8F5\x4E2D"},
        BytesRule{"private-use pairs", "\xAA\xA1\xFE\xFE"s, u"\xE000\xE4C5"}),
    RuleName<BytesRule>);

struct UnitsRule {
  const char* what;
  std::u16string units;
  std::string bytes;
};

void PrintTo(const UnitsRule& rule, std::ostream* os) { *os << rule.what; }

class UnitsToBytesRules : public testing::TestWithParam<UnitsRule> {};

TEST_P(UnitsToBytesRules, Convert) {
  EXPECT_EQ(Utf16ToCp936(GetParam().units), GetParam().bytes) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    DefaultCharacter, UnitsToBytesRules,
    testing::Values(UnitsRule{"unmappable characters", u"\xAC00\x0E01\xFFFD", "???"},
                    UnitsRule{"U+0000 inside converts", std::u16string(u"a\0\x4E2D", 3),
                              "a\0\xD6\xD0"s},
                    UnitsRule{"surrogate pair is two code units", u"\xD83D\xDE00", "??"},
                    UnitsRule{"lone surrogates",
                              u"\xDC00"
                              "A\xD800",
                              "?A?"},
                    UnitsRule{"default-ignorables do not vanish",
                              u"a\x200B"
                              "b\xFEFF"
                              "c\x2060",
                              "a?b?c?"},
                    UnitsRule{"soft hyphen has a best fit", u"\x00AD", "-"}),
    RuleName<UnitsRule>);

INSTANTIATE_TEST_SUITE_P(
    BestFit, UnitsToBytesRules,
    testing::Values(UnitsRule{"Latin letters", u"\x00C0\x0100\x01CD\x00AA",
                              "\xA8\xA4\xA8\xA1\xA8\xA3"
                              "a"},
                    UnitsRule{"symbols", u"\x00A6\x00B2\x00A2\x00A5", "|2\xA1\xE9\xA3\xA4"},
                    UnitsRule{"fullwidth signs", u"\xFFE0\xFFE5", "\xA1\xE9\xA3\xA4"},
                    UnitsRule{"fullwidth arrows and shapes have none", u"\xFFE9\xFFEA\xFFED\xFFEE",
                              "????"}),
    RuleName<UnitsRule>);

INSTANTIATE_TEST_SUITE_P(
    Composition, UnitsToBytesRules,
    testing::Values(UnitsRule{"a + grave", u"a\x0300", "\xA8\xA4"},
                    UnitsRule{"A + grave takes the best fit of the composite", u"A\x0300",
                              "\xA8\xA4"},
                    UnitsRule{"u-diaeresis + acute", u"\x00FC\x0301", "\xA8\xB6"},
                    UnitsRule{"ka + voicing mark", u"\x304B\x3099", "\xA4\xAC"},
                    UnitsRule{"HA + semi-voicing mark", u"\x30CF\x309A", "\xA5\xD1"},
                    UnitsRule{"Cyrillic e + diaeresis", u"\x0435\x0308", "\xA7\xD7"},
                    UnitsRule{"composite without bytes converts apart", u"A\x030A", "A?"},
                    UnitsRule{"only one mark composes", u"u\x0308\x0301", "\xA8\xB9?"},
                    UnitsRule{"a mark with no base",
                              u"\x0301"
                              "a",
                              "?a"},
                    UnitsRule{"CJK + mark", u"\x4E2D\x0301", "\xD6\xD0?"}),
    RuleName<UnitsRule>);

}  // namespace
}  // namespace vantrel::platform
