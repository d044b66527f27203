// The speed test over pages holding bytes that are no code page 936 character, or cut in the
// middle of a two-byte character, with the platform's real RegExp object and converter.
#include <gtest/gtest.h>

#include <string>

#include "bad_bytes_cases.h"
#include "bad_page_run.h"

namespace vantrel::testing_support {
namespace {

class BadBytesTest : public BadPageTest, public testing::WithParamInterface<BadBytes> {};

TEST_P(BadBytesTest, ListsWhatTheConverterAndTheLineCutMakeOfThem) {
  RunAndExpect(GetParam().page, GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(NoCodePage936, BadBytesTest, testing::ValuesIn(BadBytesCases()),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vantrel::testing_support
