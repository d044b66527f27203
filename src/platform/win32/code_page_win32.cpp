// Code page 936 through the system converter.
#include <windows.h>

#include "platform/code_page.h"

namespace vantrel::platform {

namespace {
constexpr UINT kCodePage936 = 936;
}

std::u16string Cp936ToUtf16(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(kCodePage936, 0, bytes.data(), length, nullptr, 0);
  if (n <= 0) return {};
  std::u16string units(static_cast<size_t>(n), u'\0');
  const int written = MultiByteToWideChar(kCodePage936, 0, bytes.data(), length,
                                          reinterpret_cast<wchar_t*>(units.data()), n);
  units.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return units;
}

std::string Utf16ToCp936(std::u16string_view units) {
  if (units.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int length = static_cast<int>(units.size());
  const int m = WideCharToMultiByte(kCodePage936, WC_COMPOSITECHECK, wide, length, nullptr, 0,
                                    nullptr, nullptr);
  if (m <= 0) return {};
  std::string bytes(static_cast<size_t>(m), '\0');
  const int written = WideCharToMultiByte(kCodePage936, WC_COMPOSITECHECK, wide, length,
                                          bytes.data(), m, nullptr, nullptr);
  bytes.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return bytes;
}

}  // namespace vantrel::platform
