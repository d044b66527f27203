// Pages holding bytes that are no code page 936 character, or cut in the middle of a two-byte
// character, with the rows each build lists for them: the same on both builds, through the lean
// stand-ins and through the real edit boxes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "support/results_page.h"

namespace vantrel::testing_support {

// The page crosses into the RegExp object through the code page 936 converter, whose rules for
// such bytes are fixed: 80 is the euro sign and FF a private-use character, both single-byte
// and both converted back to themselves; a lead byte takes the next byte with it whatever it is
// (but NUL) and gives "?" when the pair is no character; a lone lead byte at the end gives "?".
// The staged addresses are then cut into lines a character at a time, where 80 and FF count as
// lead bytes: a line ending in one of them swallows the line break after it.

struct BadBytes {
  const char* what;
  Text page;
  std::vector<Text> listed;
};

inline void PrintTo(const BadBytes& c, std::ostream* os) { *os << c.what; }

// 测速 and 本机, as the places and names of the pages below.
inline const Text kCeSu = "\xB2\xE2\xCB\xD9";
inline const Text kBenJi = "\xB1\xBE\xBB\xFA";

// A page of the three rows 127.0.0.1, `second` and 127.0.0.3 (serial numbers 1, `serial`, 3;
// places p1, `place`, p3).
inline Text ThreeRows(const Text& second, const Text& serial = "2", const Text& place = "p2") {
  return MakeResultsPage(
      {{"1", "127.0.0.1", "p1"}, {serial, second, place}, {"3", "127.0.0.3", "p3"}});
}

// `page` cut right after the first byte of the last occurrence of `text`.
inline Text CutInside(const Text& page, const Text& text) {
  return page.substr(0, page.rfind(text) + 1);
}

// `page` with a NUL byte before the first occurrence of `text`.
inline Text NulBefore(Text page, const Text& text) { return page.insert(page.find(text), 1, '\0'); }

inline std::vector<BadBytes> BadBytesCases() {
  return {
      BadBytes{"EuroAndFfInsideAnAddressComeBackAsTheyWere",
               ThreeRows("127.\x80.\xFF.2"),
               {"127.0.0.1", "127.\x80.\xFF.2", "127.0.0.3"}},
      BadBytes{"LeadByteWithABadTrailInsideAnAddressBecomesAQuestionMark",
               ThreeRows("127.0.\xB0\x7F.2\xB0 x"),
               {"127.0.0.1", "127.0.?.2?x", "127.0.0.3"}},
      // 0x80 and 0xFF are one-byte characters: the line break after them still cuts the line.
      BadBytes{"EuroEndingAnAddressKeepsItsOwnLine",
               ThreeRows("127.0.0.2\x80"),
               {"127.0.0.1", "127.0.0.2\x80", "127.0.0.3"}},
      BadBytes{"FfEndingTheLastAddressKeepsItsOwnLine",
               MakeResultsPage({{"1", "127.0.0.1", "p1"}, {"2", "127.0.0.2\xFF", "p2"}}),
               {"127.0.0.1", "127.0.0.2\xFF"}},
      // The lead byte takes the "<" of "</td>": the row no longer matches.
      BadBytes{"LeadByteEndingAnAddressLosesThatRowOnly",
               ThreeRows("127.0.0.2\xB0"),
               {"127.0.0.1", "127.0.0.3"}},
      // The serial number's cell no longer ends, so the address cell and the place cell below
      // it, both five TABs deep, make the row's match: the place is listed as the address.
      BadBytes{"LeadByteEndingASerialNumberListsThePlaceInstead",
               ThreeRows("127.0.0.2", "2\xB0", "p2"),
               {"127.0.0.1", "p2", "127.0.0.3"}},
      BadBytes{"LeadByteEndingAPlaceChangesNothing",
               ThreeRows("127.0.0.2", "2", "p2\xB0"),
               {"127.0.0.1", "127.0.0.2", "127.0.0.3"}},
      // The text ends at its first NUL where it crosses into the converter.
      BadBytes{"NulInsideTheTableEndsThePage",
               NulBefore(ThreeRows("127.0.0.2"), "127.0.0.2"),
               {"127.0.0.1"}},
      BadBytes{"PageCutAfterALeadByteInTheLastAddressKeepsTheRowsBefore",
               CutInside(ThreeRows(kCeSu + ".invalid"), kCeSu),
               {"127.0.0.1"}},
      BadBytes{"PageCutAfterALeadByteInTheLastPlaceKeepsEveryRow",
               CutInside(MakeResultsPage({{"1", "127.0.0.1", "p1"}, {"2", "127.0.0.2", kBenJi}}),
                         kBenJi),
               {"127.0.0.1", "127.0.0.2"}}};
}

}  // namespace vantrel::testing_support
