#include "platform/linux/window/qt_text.h"

#include <string>

#include "pattern/text_conversions.h"

namespace vantrel::platform {

QString ToQString(std::string_view text) {
  const std::u16string units = TextToUtf16(text);
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

Text FromQString(const QString& string) {
  return Utf16ToText(
      std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()), string.size()));
}

}  // namespace vantrel::platform
