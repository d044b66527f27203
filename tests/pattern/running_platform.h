// Which RegExp implementation a test is talking to, where the two are known to differ.
#pragma once

namespace vantrel::testing_support {

// True when the Windows build runs under Wine (ntdll exports wine_get_version there).
bool RunningUnderWine();

}  // namespace vantrel::testing_support
