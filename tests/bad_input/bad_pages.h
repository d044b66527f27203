// Pages that are large, long-lined, cut short or not made of valid code page 936, built on the
// shared page makers; the expected addresses come from those makers' own line walk, not from any
// regular expression.
#pragma once

#include <string>
#include <vector>

#include "support/results_page.h"

namespace vantrel::testing_support {

// Loopback address number `n` (below 2^24): 127.0.0.0 onwards, all of them different.
inline Text LoopbackAddress(size_t n) {
  return "127." + std::to_string((n >> 16) & 255) + "." + std::to_string((n >> 8) & 255) + "." +
         std::to_string(n & 255);
}

// About 2 KB of the rest of a page, none of which the extraction pattern matches: a script line,
// a header row of <th> cells, a table written on one line, a table whose lines end in LF alone,
// one whose second cell is four TABs deep, and Chinese text (测速 结果).
inline Text FillerBlock(size_t n) {
  const std::string number = std::to_string(n);
  std::string block;
  block += "<script>var rank" + number + " = [" + std::string(400, '7') + "];</script>\r\n";
  block += "\t\t\t\t<tr><th>\xD0\xF2\xBA\xC5</th><th>IP</th><th>\xCE\xBB\xD6\xC3</th></tr>\r\n";
  block += "<table><tr><td>" + number + "</td><td>" + LoopbackAddress(n) + "</td><td>x</td>";
  block += "</tr><tr><td>" + number + "</td><td>" + LoopbackAddress(n) + "</td></tr></table>\r\n";
  block += "<table>\n\t\t\t\t<tr>\n\t\t\t\t\t<td>" + number + "</td>\n\t\t\t\t\t<td>" +
           LoopbackAddress(n) + "</td>\n\t\t\t\t</tr>\n</table>\r\n";
  block += "\t\t\t\t<tr>\r\n\t\t\t\t<td>" + number + "</td>\r\n\t\t\t\t<td>" + LoopbackAddress(n) +
           "</td>\r\n\t\t\t\t</tr>\r\n";
  for (int i = 0; i < 12; ++i) {
    block += "\t\t<p class=\"note\">\xB2\xE2\xCB\xD9 \xBD\xE1\xB9\xFB " + number + " " +
             std::string(60, 'x') + "</p>\r\n";
  }
  return block;
}

// A page of at least `bytes` bytes that is mostly filler, with a results table of
// `rowsPerTable` rows after every `fillerBlocksPerTable` filler blocks; every row's address is
// different, in page order.
inline Text MostlyFillerPage(size_t bytes, size_t fillerBlocksPerTable, size_t rowsPerTable) {
  Text page;
  page.reserve(bytes + bytes / 8);
  size_t block = 0;
  size_t row = 0;
  while (page.size() < bytes) {
    for (size_t i = 0; i < fillerBlocksPerTable; ++i) page += FillerBlock(block++);
    std::vector<ResultRow> rows;
    for (size_t i = 0; i < rowsPerTable; ++i, ++row) {
      rows.push_back({std::to_string(row + 1), LoopbackAddress(row), "\xB1\xBE\xBB\xFA"});
    }
    page += MakeResultsPage(rows);
  }
  return page;
}

// `bytes` bytes with no line break: `unit` over and over, cut to size at a character boundary.
inline Text SingleLine(size_t bytes, std::string_view unit) {
  Text line;
  line.reserve(bytes + unit.size());
  while (line.size() + unit.size() <= bytes) line += unit;
  return line;
}

}  // namespace vantrel::testing_support
