#include "automation/argument_coercion.h"

#include <cmath>
#include <cstdint>

#include "pattern/text_conversions.h"
#include "pattern/utf16le.h"

namespace vantrel::platform {

namespace {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::u16string> ArgumentAsString(const Variant& value) {
  if (value.empty()) return std::u16string();
  if (const auto* s = value.get<std::u16string>()) return *s;
  if (const auto* bytes = value.get<std::vector<uint8_t>>()) {
    return Utf16LeUnits(bytes->data(), bytes->size());
  }
  if (value.get<bool>() || value.get<int32_t>() || value.get<double>()) {
    // Digits, sign, point and the boolean words are all ASCII: the conversion is exact.
    return TextToUtf16(VariantAsText(value));
  }
  return std::nullopt;
}

std::optional<bool> ArgumentAsBool(const Variant& value) {
  if (value.empty()) return false;
  if (const auto* b = value.get<bool>()) return *b;
  if (const auto* i = value.get<int32_t>()) return *i != 0;
  if (const auto* d = value.get<double>()) return *d != 0.0;
  if (const auto* s = value.get<std::u16string>()) {
    if (EqualsIgnoringCase(*s, u"true")) return true;
    if (EqualsIgnoringCase(*s, u"false")) return false;
  }
  return std::nullopt;
}

std::optional<int32_t> ArgumentAsInt(const Variant& value) {
  if (value.empty()) return 0;
  if (const auto* i = value.get<int32_t>()) return *i;
  if (const auto* b = value.get<bool>()) return *b ? -1 : 0;
  if (const auto* d = value.get<double>()) {
    const double rounded = std::nearbyint(*d);  // the default rounding mode: half to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
    return static_cast<int32_t>(rounded);
  }
  return std::nullopt;
}

}  // namespace vantrel::platform
