// Inputs of the code page 936 dump that need a name: marks that compose, and awkward sequences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::codepage_dump {

// Marks that can follow a base in a canonical composition (the whole combining diacritics block,
// the Hebrew, Arabic, Indic, Tibetan, Myanmar and Balinese composing marks, the Hangul vowel and
// final jamo, the kana voicing marks), and a few combining marks that compose with nothing.
inline std::vector<char16_t> CompositionMarks() {
  static constexpr char16_t kRanges[][2] = {
      {0x0300, 0x036F}, {0x05B4, 0x05B4}, {0x05B7, 0x05B9}, {0x05BC, 0x05BC}, {0x05BF, 0x05BF},
      {0x05C1, 0x05C2}, {0x0653, 0x0655}, {0x093C, 0x093C}, {0x09BC, 0x09BC}, {0x09BE, 0x09BE},
      {0x09D7, 0x09D7}, {0x0A3C, 0x0A3C}, {0x0B3C, 0x0B3C}, {0x0B3E, 0x0B3E}, {0x0B56, 0x0B57},
      {0x0BBE, 0x0BBE}, {0x0BD7, 0x0BD7}, {0x0C56, 0x0C56}, {0x0CC2, 0x0CC2}, {0x0CD5, 0x0CD6},
      {0x0D3E, 0x0D3E}, {0x0D57, 0x0D57}, {0x0DCA, 0x0DCA}, {0x0DCF, 0x0DCF}, {0x0DDF, 0x0DDF},
      {0x0F72, 0x0F72}, {0x0F74, 0x0F74}, {0x0F80, 0x0F80}, {0x0FB5, 0x0FB5}, {0x0FB7, 0x0FB7},
      {0x102E, 0x102E}, {0x1161, 0x1175}, {0x11A8, 0x11C2}, {0x1B35, 0x1B35}, {0x20D0, 0x20F0},
      {0x3099, 0x309A}, {0xFE20, 0xFE2F}};
  std::vector<char16_t> marks;
  for (const auto& range : kRanges) {
    for (char32_t c = range[0]; c <= range[1]; ++c) marks.push_back(static_cast<char16_t>(c));
  }
  return marks;
}

struct BytesCase {
  std::string label;
  std::string bytes;
};

struct UnitsCase {
  std::string label;
  std::u16string units;
};

// Runs of bytes handed to the core's Utf16BytesToText as a buffer.
struct BufferCase {
  std::string label;
  std::string bytes;
};

inline std::vector<BytesCase> AwkwardBytes() {
  using namespace std::string_literals;
  return {
      {"empty", ""s},
      {"lone lead byte at the end", "A\x81"s},
      {"lone lead byte FE at the end", "AB\xFE"s},
      {"lead byte before 7F",
       "\x81\x7F"
       "A"s},
      {"lead byte before 20",
       "\xB0\x20"
       "A"s},
      {"lead byte before NUL",
       "\xB0\x00"
       "A"s},
      {"lead byte before NUL at the end", "\xB0\x00"s},
      {"lead byte before FF",
       "\xB0\xFF"
       "A"s},
      {"lead byte before 3F",
       "\xB0\x3F"
       "A"s},
      {"lead byte before a lead byte", "\xB0\xB0\xA1"s},
      {"lead byte before a lead byte at the end", "\xB0\xB0"s},
      {"two lone lead bytes at the end", "\xB0\xD6\xD0\x81"s},
      {"NUL inside", "a\0b\xD6\xD0\0"s},
      {"NULs only", "\0\0\0"s},
      {"80 alone and before text",
       "\x80\x80"
       "A\x80"s},
      {"FF alone and before text",
       "\xFF\xFF"
       "A\xFF"s},
      {"FF then a pair", "\xFF\xD6\xD0"s},
      {"private-use pairs", "\xAA\xA1\xFE\xFE\xA1\x40"s},
      {"CR LF and tabs", "\r\n\t<td>\xD6\xD0</td>\r\n"s},
  };
}

inline std::vector<UnitsCase> AwkwardUnits() {
  return {
      {"empty", u""},
      {"U+0000 inside", std::u16string(u"a\0b\x4E2D\0", 5)},
      {"U+0000 only", std::u16string(u"\0\0", 2)},
      {"unmappable: Hangul, Thai, Arabic", u"\xAC00\x0E01\x0627"},
      {"unmappable: U+FFFD, U+FFFE, U+FFFF", u"\xFFFD\xFFFE\xFFFF"},
      {"euro sign and private use", u"\x20AC\xE000\xE4C5\xE5E5\xF8F5"},
      {"lone high surrogate at the end", u"A\xD800"},
      {"lone low surrogate",
       u"A\xDC00"
       "B"},
      {"high surrogate before text",
       u"\xD83D"
       "AB"},
      {"surrogate pair (U+1F600)", u"\xD83D\xDE00"},
      {"surrogate pair (U+20000, CJK extension B)", u"\xD840\xDC00"},
      {"surrogate pair then a mark", u"\xD840\xDC00\x0301"},
      {"default-ignorables", u"\x200B\xFEFF\x00AD\x200C\x200D\x2060\x034F\x180E\xFE00\x115F"},
      {"default-ignorables between text",
       u"a\x200B"
       "b\xFEFF"
       "c\x00AD"
       "d"},
      {"a + grave", u"a\x0300"},
      {"a + macron + grave", u"a\x0304\x0300"},
      {"e + circumflex", u"e\x0302"},
      {"u + diaeresis + acute", u"u\x0308\x0301"},
      {"u-diaeresis + acute", u"\x00FC\x0301"},
      {"A + ring", u"A\x030A"},
      {"combining mark alone", u"\x0301"},
      {"combining mark first",
       u"\x0301"
       "a"},
      {"two marks", u"a\x0301\x0301"},
      {"ka + voicing mark", u"\x304B\x3099"},
      {"KA + semi-voicing mark", u"\x30AB\x309A"},
      {"HA + semi-voicing mark", u"\x30CF\x309A"},
      {"Hangul L + V", u"\x1100\x1161"},
      {"Hangul LV + T", u"\xAC00\x11A8"},
      {"CJK + mark", u"\x4E2D\x0301"},
      {"best-fit letters", u"\x00C0\x00E5\x0100\x0141\x01CD\x0391"},
      {"best-fit symbols", u"\x00A6\x00AA\x00B2\x00BD\x2032\x2122\xFF5F"},
      {"fullwidth forms FFE0-FFEF",
       u"\xFFE0\xFFE1\xFFE2\xFFE3\xFFE4\xFFE5\xFFE6\xFFE8\xFFE9\xFFEA"
       u"\xFFEB\xFFEC\xFFED\xFFEE"},
  };
}

inline std::vector<BufferCase> AwkwardBuffers() {
  using namespace std::string_literals;
  return {
      {"odd byte count, 1", "a"s},
      {"odd byte count, 3", "a\0b"s},
      {"odd byte count, 5",
       "-N\x87"
       "ez"s},
      {"odd byte count, lone high byte", "\xFF"s},
      {"even, no terminator",
       "-N\x87"
       "e"s},
      {"ends at the first U+0000", "a\0\0\0b\0"s},
      {"high byte NUL only", "\0\x4E"s},
      {"surrogate pair", "=\xD8\0\xDE"s},
  };
}

}  // namespace vantrel::codepage_dump
