#include "window/control_font.h"

#include <cwchar>

#include "window/wide_text.h"

namespace vantrel::win32 {

OwnedFont CreateControlFont(const FontDescription& description) {
  LOGFONTW font{};
  font.lfHeight = description.height;
  font.lfWeight = description.weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideFromText(description.face);
  std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return OwnedFont(CreateFontIndirectW(&font));
}

HFONT FontOrDefault(const OwnedFont& font) {
  return font.get() ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace vantrel::win32
