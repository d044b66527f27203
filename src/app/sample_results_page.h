// The saved results page the edit box holds at start: code page 936 bytes with CR LF line ends,
// embedded into the program at build time from sample_results_page.html.
#pragma once

#include <string_view>

namespace vantrel {

std::string_view SampleResultsPage();

}  // namespace vantrel
