// Writes a deterministic text dump of the code page 936 conversions of the build it is in.
//
// The Windows build (run under Wine) and the Linux build must write the same dump byte for byte:
// compare_dumps.sh runs both and shows where they part. Every line names its input in hex, so a
// difference points at the sequence and the rule behind it.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "codepage_dump_inputs.h"
#include "pattern/text_conversions.h"
#include "platform/code_page.h"

namespace vantrel {
namespace {

class Dump {
 public:
  void Line(std::string_view text) {
    out_.append(text);
    out_.push_back('\n');
  }
  void Section(std::string_view title) {
    out_.append("[");
    out_.append(title);
    out_.append("]\n");
  }

  void BytesToUnits(std::string_view label, std::string_view bytes) {
    Entry(label, HexBytes(bytes), HexUnits(platform::Cp936ToUtf16(bytes)));
  }
  void UnitsToBytes(std::string_view label, std::u16string_view units) {
    Entry(label, HexUnits(units), HexBytes(platform::Utf16ToCp936(units)));
  }
  void Entry(std::string_view label, const std::string& in, const std::string& out) {
    if (!label.empty()) {
      out_.append(label);
      out_.append(": ");
    }
    out_.append(in);
    out_.append(" -> ");
    out_.append(out);
    out_.push_back('\n');
  }

  const std::string& text() const { return out_; }

  static std::string HexBytes(std::string_view bytes) {
    std::string s;
    for (unsigned char b : bytes) Append(s, b, 2);
    return s.empty() ? "-" : s;
  }
  static std::string HexUnits(std::u16string_view units) {
    std::string s;
    for (char16_t u : units) Append(s, u, 4);
    return s.empty() ? "-" : s;
  }

 private:
  static void Append(std::string& s, unsigned value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (!s.empty()) s.push_back(' ');
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
      s.push_back(kHex[(value >> shift) & 0xF]);
  }

  std::string out_;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

bool IsLead(int byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrail(int byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Each byte alone and every lead byte with every trail byte. A sequence that gives one code unit
// which converts back to the same bytes is a character of the code page.
void DumpEverySequence(Dump& dump) {
  dump.Section("bytes to units: every byte alone, every lead byte with every trail byte");
  int singles = 0, doubles = 0, lone_leads = 0, characters = 0;
  auto convert = [&](const std::string& bytes) {
    const std::u16string units = platform::Cp936ToUtf16(bytes);
    dump.Entry("", Dump::HexBytes(bytes), Dump::HexUnits(units));
    const bool character = units.size() == 1 && platform::Utf16ToCp936(units) == bytes;
    characters += character ? 1 : 0;
    return character;
  };
  for (int byte = 0x00; byte <= 0xFF; ++byte) {
    convert(Bytes({byte}));
    (IsLead(byte) ? lone_leads : singles) += 1;
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (!IsTrail(trail)) continue;
      convert(Bytes({lead, trail}));
      ++doubles;
    }
  }
  dump.Line("sequences: " + std::to_string(singles) + " single bytes, " + std::to_string(doubles) +
            " pairs (" + std::to_string(singles + doubles) + "), " + std::to_string(lone_leads) +
            " lone lead bytes; characters that round-trip: " + std::to_string(characters));
}

// A lead byte before a byte that is no trail byte, then "A": shows whether the lead byte takes
// the next byte with it.
void DumpLeadsBeforeNonTrails(Dump& dump) {
  dump.Section("bytes to units: lead byte, a byte that is no trail byte, then 41");
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int next = 0x00; next <= 0xFF; ++next) {
      if (IsTrail(next)) continue;
      dump.BytesToUnits("", Bytes({lead, next, 0x41}));
    }
  }
}

void DumpEveryCodeUnit(Dump& dump) {
  dump.Section("units to bytes: every code unit alone");
  for (int unit = 0; unit <= 0xFFFF; ++unit) {
    dump.UnitsToBytes("", std::u16string(1, static_cast<char16_t>(unit)));
  }
}

void DumpSurrogates(Dump& dump) {
  dump.Section("units to bytes: surrogate pairs and misplaced surrogates");
  for (int high = 0xD800; high <= 0xDBFF; ++high) {
    dump.UnitsToBytes("", std::u16string{static_cast<char16_t>(high), u'\xDC00'});
  }
  for (int low = 0xDC00; low <= 0xDFFF; ++low) {
    dump.UnitsToBytes("", std::u16string{u'\xDBFF', static_cast<char16_t>(low)});
  }
  for (int low = 0xDC00; low <= 0xDFFF; low += 0x55) {
    dump.UnitsToBytes(
        "", std::u16string{static_cast<char16_t>(low), u'\xD800', u'A'});  // low before high
    dump.UnitsToBytes("", std::u16string{u'\xD800', u'\xD800', static_cast<char16_t>(low)});
    dump.UnitsToBytes("", std::u16string{u'\xD834', u'\x0301', static_cast<char16_t>(low)});
  }
}

// Every base unit followed by every mark that takes part in a composition, where the pair
// converts otherwise than its two units apart.
void DumpCompositions(Dump& dump, const std::vector<std::string>& alone) {
  dump.Section("units to bytes: base + mark pairs that convert otherwise than apart");
  const std::vector<char16_t> marks = codepage_dump::CompositionMarks();
  for (int base = 0; base <= 0xFFFF; ++base) {
    for (char16_t mark : marks) {
      const std::u16string pair{static_cast<char16_t>(base), mark};
      const std::string bytes = platform::Utf16ToCp936(pair);
      if (bytes != alone[base] + alone[mark]) {
        dump.Entry("", Dump::HexUnits(pair), Dump::HexBytes(bytes));
      }
    }
  }
}

void DumpAwkwardInputs(Dump& dump) {
  dump.Section("awkward inputs");
  for (const auto& c : codepage_dump::AwkwardBytes()) dump.BytesToUnits(c.label, c.bytes);
  for (const auto& c : codepage_dump::AwkwardUnits()) dump.UnitsToBytes(c.label, c.units);
  for (const auto& c : codepage_dump::AwkwardBuffers()) {
    const std::vector<uint8_t> bytes(c.bytes.begin(), c.bytes.end());
    dump.Entry(c.label, Dump::HexBytes(c.bytes),
               Dump::HexBytes(Utf16BytesToText(ByteBuffer::FromBytes(bytes))));
  }
}

}  // namespace
}  // namespace vantrel

int main() {
  using namespace vantrel;
  Dump dump;
  dump.Line("code page 936 conversion dump");
  DumpEverySequence(dump);
  DumpLeadsBeforeNonTrails(dump);
  DumpEveryCodeUnit(dump);
  std::vector<std::string> alone(0x10000);
  for (int unit = 0; unit <= 0xFFFF; ++unit) {
    alone[unit] = platform::Utf16ToCp936(std::u16string(1, static_cast<char16_t>(unit)));
  }
  DumpSurrogates(dump);
  DumpCompositions(dump, alone);
  DumpAwkwardInputs(dump);
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the dump's line ends must not become CR LF
#endif
  const std::string& text = dump.text();
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
