// Builds results pages in the layout of the speed-test service's table, and reads the address
// cells out of a page line by line, independently of any regular expression.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pattern/text.h"

namespace vantrel::testing_support {

struct ResultRow {
  Text serial;
  Text address;
  Text place;
};

// A page whose table holds `rows`, each cell on its own line five TABs deep, lines ended by
// `lineEnd`, cell tags as `td` gives them ("td" or "TD").
inline Text MakeResultsPage(const std::vector<ResultRow>& rows, std::string_view lineEnd = "\r\n",
                            std::string_view td = "td") {
  const std::string open = "<" + std::string(td) + ">";
  const std::string close = "</" + std::string(td) + ">";
  std::string page;
  auto line = [&](std::string_view text) {
    page += text;
    page += lineEnd;
  };
  line("");
  line("<html><body>");
  line("\t\t<table width=\"900px\" class=\"rank_list\">");
  line("\t\t\t<tbody>");
  for (size_t i = 0; i < rows.size(); ++i) {
    line("\t\t\t    ");
    line(i % 2 == 0 ? "\t\t\t\t<tr >" : "\t\t\t\t<tr class=\"alt\">");
    line("\t\t\t\t\t" + open + rows[i].serial + close);
    line("\t\t\t\t\t" + open + rows[i].address + close);
    line("\t\t\t\t\t" + open + rows[i].place + close);
    line("\t\t\t\t</tr>");
  }
  line("\t\t\t</tbody>");
  line("\t\t</table>");
  line("</body></html>");
  return page;
}

// The address cells of a page in the table layout: the cell on the line after each serial
// number cell, found by walking the lines.
inline std::vector<Text> AddressCellsByLines(std::string_view page) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t pos; (pos = page.find("\r\n", start)) != std::string_view::npos; start = pos + 2) {
    lines.push_back(page.substr(start, pos - start));
  }
  const std::string_view cell = "\t\t\t\t\t<td>";
  std::vector<Text> addresses;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].substr(0, cell.size()) == cell && i > 0 &&
        lines[i - 1].find("<tr") != std::string_view::npos) {
      std::string_view next = lines[i + 1];
      next.remove_prefix(cell.size());
      addresses.emplace_back(next.substr(0, next.find("</td>")));
    }
  }
  return addresses;
}

}  // namespace vantrel::testing_support
