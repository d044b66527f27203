// Code page 936 through ICU's "windows-936-2000" table, the exact Windows table.
#include <unicode/ucnv.h>

#include <memory>

#include "platform/code_page.h"

namespace vantrel::platform {

namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenCp936() {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open("windows-936-2000", &status));
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

}  // namespace

std::u16string Cp936ToUtf16(std::string_view bytes) {
  if (bytes.empty()) return {};
  Converter converter = OpenCp936();
  if (!converter) return {};
  std::u16string units(bytes.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(converter.get(), units.data(), static_cast<int32_t>(units.size()),
                                  bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  units.resize(static_cast<size_t>(n));
  return units;
}

std::string Utf16ToCp936(std::u16string_view units) {
  if (units.empty()) return {};
  Converter converter = OpenCp936();
  if (!converter) return {};
  std::string bytes(units.size() * 2 + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_fromUChars(converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                                    units.data(), static_cast<int32_t>(units.size()), &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  bytes.resize(static_cast<size_t>(n));
  return bytes;
}

}  // namespace vantrel::platform
