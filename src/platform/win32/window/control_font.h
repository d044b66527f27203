// The controls' font from the form description, owned for the life of the window.
#pragma once

#include <windows.h>

#include "app/form.h"

namespace vantrel::win32 {

// An owned GDI font, deleted with its owner.
class OwnedFont {
 public:
  OwnedFont() = default;
  explicit OwnedFont(HFONT font) : font_(font) {}
  ~OwnedFont() { Reset(); }
  OwnedFont(OwnedFont&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  OwnedFont& operator=(OwnedFont&& other) noexcept {
    if (this != &other) {
      Reset();
      font_ = other.font_;
      other.font_ = nullptr;
    }
    return *this;
  }
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;

  HFONT get() const { return font_; }

 private:
  void Reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
  }
  HFONT font_ = nullptr;
};

// A font of the description's face, height and weight in the default character set and proof
// quality, everything else default; empty when the system cannot make it.
OwnedFont CreateControlFont(const FontDescription& description);

// The font a control is given: its own, or the default GUI font when that could not be made.
HFONT FontOrDefault(const OwnedFont& font);

}  // namespace vantrel::win32
