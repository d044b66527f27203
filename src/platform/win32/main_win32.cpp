// Console check of the core until the window exists: the sample page's line count.
#include <cstdio>

#include "app/sample_results_page.h"
#include "speedtest/split_text.h"

int main() {  // NOLINT
  std::printf("sample page: %zu lines\n", vantrel::SplitText(vantrel::SampleResultsPage(), "\r\n").size());
  return 0;
}
