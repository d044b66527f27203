// Code page 936 with the rules of the Windows converter, on tables read from ICU.
//
// ICU's "windows-936-2000" holds the exact Windows table, but its converter applies ICU's rules
// to what falls outside it (U+FFFD for a bad byte, dropped default-ignorables, one "?" per
// supplementary code point). So ICU is asked once, one sequence at a time, what each character
// maps to; the Windows rules are applied around those answers, and the conversions themselves
// are single passes over flat tables that every thread shares read-only.
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/unorm2.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/code_page.h"

namespace vantrel::platform {

namespace {

constexpr char16_t kDefaultUnit = u'?';
constexpr uint16_t kDefaultBytes = '?';
constexpr int kFirstLead = 0x81;
constexpr int kLeadCount = 0xFE - kFirstLead + 1;

bool IsLead(uint8_t byte) { return byte >= kFirstLead && byte <= 0xFE; }

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

struct Tables {
  std::array<char16_t, 256> single{};                        // a byte that is no lead byte
  std::array<std::array<char16_t, 256>, kLeadCount> pair{};  // [lead - 0x81][next byte]
  // A unit's bytes: a value above 0xFF is a lead byte (high) and a trail byte (low), any other
  // value one byte. Double-byte values start at 0x8140, so the two never overlap.
  std::vector<uint16_t> from_unit = std::vector<uint16_t>(0x10000, kDefaultBytes);
  // WC_COMPOSITECHECK: a base followed by a mark becomes its precomposed character where that
  // character has bytes of its own (mapped or best fit); otherwise the two convert apart.
  std::vector<uint8_t> composing_mark = std::vector<uint8_t>(0x10000, 0);
  std::vector<std::pair<uint32_t, uint16_t>> compositions;  // (base << 16 | mark, bytes), sorted
};

// ICU's answer for one byte sequence: its single code unit, or the default unit when ICU finds
// the sequence invalid or it gives anything but one unit.
char16_t ToUnit(UConverter* converter, const char* bytes, int32_t length) {
  char16_t units[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetToUnicode(converter);
  const int32_t n = ucnv_toUChars(converter, units, 4, bytes, length, &status);
  return U_SUCCESS(status) && n == 1 ? units[0] : kDefaultUnit;
}

// ICU's answer for one code point, best-fit mappings included: its bytes, or the default
// character where ICU has no mapping (among them the default-ignorables, which ICU's own
// substitution would drop).
uint16_t ToBytes(UConverter* converter, UChar32 code_point) {
  char16_t unit = static_cast<char16_t>(code_point);
  char bytes[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetFromUnicode(converter);
  const int32_t n = ucnv_fromUChars(converter, bytes, 8, &unit, 1, &status);
  if (U_FAILURE(status) || n < 1 || n > 2) return kDefaultBytes;
  const uint8_t first = static_cast<uint8_t>(bytes[0]);
  return n == 1 ? first : static_cast<uint16_t>(first << 8 | static_cast<uint8_t>(bytes[1]));
}

bool IsSurrogate(int unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// ICU's fallback table has best-fit mappings for these fullwidth arrows and shapes that the
// Windows converter does not have: there they are the default character.
bool WindowsLacksBestFit(int unit) { return unit >= 0xFFE9 && unit <= 0xFFEE; }

void ReadByteTables(UConverter* converter, Tables& t) {
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const char b = static_cast<char>(byte);
    t.single[byte] = IsLead(static_cast<uint8_t>(byte)) ? kDefaultUnit : ToUnit(converter, &b, 1);
  }
  for (int lead = kFirstLead; lead < kFirstLead + kLeadCount; ++lead) {
    for (int next = 0; next <= 0xFF; ++next) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(next)};
      t.pair[lead - kFirstLead][next] = ToUnit(converter, bytes, 2);
    }
  }
}

void ReadUnitTable(UConverter* converter, Tables& t) {
  ucnv_setFallback(converter, true);
  for (int unit = 0; unit <= 0xFFFF; ++unit) {
    if (IsSurrogate(unit) || WindowsLacksBestFit(unit)) continue;
    t.from_unit[unit] = ToBytes(converter, unit);
  }
}

void ReadCompositions(Tables& t) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  if (U_FAILURE(status)) return;
  for (int composite = 0; composite <= 0xFFFF; ++composite) {
    if (t.from_unit[composite] == kDefaultBytes) continue;
    char16_t parts[4];
    status = U_ZERO_ERROR;
    const int32_t n = unorm2_getRawDecomposition(nfc, composite, parts, 4, &status);
    // Only a two-unit mapping that composes back: singletons and exclusions never compose.
    if (U_FAILURE(status) || n != 2) continue;
    if (unorm2_composePair(nfc, parts[0], parts[1]) != composite) continue;
    t.composing_mark[parts[1]] = 1;
    t.compositions.emplace_back(static_cast<uint32_t>(parts[0]) << 16 | parts[1],
                                t.from_unit[composite]);
  }
  std::sort(t.compositions.begin(), t.compositions.end());
}

std::unique_ptr<const Tables> ReadTables() {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open("windows-936-2000", &status));
  if (U_FAILURE(status)) return nullptr;
  // Stop at whatever ICU cannot convert, so that the Windows rules decide instead of ICU's.
  status = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
  if (U_FAILURE(status)) return nullptr;
  auto tables = std::make_unique<Tables>();
  ReadByteTables(converter.get(), *tables);
  ReadUnitTable(converter.get(), *tables);
  ReadCompositions(*tables);
  return tables;
}

const Tables* Cp936() {
  static const std::unique_ptr<const Tables> tables = ReadTables();
  return tables.get();
}

// The bytes of the precomposed form of base + mark, when the pair composes to a character
// that has bytes of its own.
const uint16_t* Composed(const Tables& t, char16_t base, char16_t mark) {
  const uint32_t key = static_cast<uint32_t>(base) << 16 | mark;
  const auto it = std::lower_bound(t.compositions.begin(), t.compositions.end(),
                                   std::pair<uint32_t, uint16_t>{key, 0});
  return it != t.compositions.end() && it->first == key ? &it->second : nullptr;
}

}  // namespace

std::u16string Cp936ToUtf16(std::string_view bytes) {
  const Tables* t = Cp936();
  if (bytes.empty() || !t) return {};
  // At most one unit per byte: write through a pointer and cut the string to size at the end.
  std::u16string units(bytes.size(), u'\0');
  char16_t* out = units.data();
  const auto* in = reinterpret_cast<const uint8_t*>(bytes.data());
  const uint8_t* const end = in + bytes.size();
  while (in < end) {
    const uint8_t byte = *in++;
    if (!IsLead(byte)) {
      *out++ = t->single[byte];
    } else if (in == end || *in == 0) {
      // A lead byte takes the next byte with it, valid trail or not, unless the text ends there
      // or the next byte is a NUL: then it stands alone as the default character.
      *out++ = kDefaultUnit;
    } else {
      *out++ = t->pair[byte - kFirstLead][*in++];
    }
  }
  units.resize(static_cast<size_t>(out - units.data()));
  return units;
}

std::string Utf16ToCp936(std::u16string_view units) {
  const Tables* t = Cp936();
  if (units.empty() || !t) return {};
  // At most two bytes per unit.
  std::string bytes(units.size() * 2, '\0');
  char* out = bytes.data();
  const char16_t* in = units.data();
  const char16_t* const end = in + units.size();
  while (in < end) {
    // Each code unit converts on its own: a surrogate pair is two default characters.
    uint16_t code = t->from_unit[*in];
    if (in + 1 < end && t->composing_mark[in[1]]) {
      if (const uint16_t* composed = Composed(*t, in[0], in[1])) {
        code = *composed;
        ++in;
      }
    }
    ++in;
    if (code > 0xFF) *out++ = static_cast<char>(code >> 8);
    *out++ = static_cast<char>(code & 0xFF);
  }
  bytes.resize(static_cast<size_t>(out - bytes.data()));
  return bytes;
}

}  // namespace vantrel::platform
