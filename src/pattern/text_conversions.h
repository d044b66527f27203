// Conversions between code page 936 texts and UTF-16LE byte buffers.
//
// They carry the subject into the RegExp object as a byte array and match texts back out.
// Both name code page 936 explicitly: the system's texts are GBK whatever the machine's
// ANSI code page is.
#pragma once

#include <optional>
#include <string_view>

#include "pattern/byte_buffer.h"
#include "pattern/text.h"

namespace vantrel {

// The text's UTF-16LE code units followed by a terminating U+0000; an absent text gives no
// buffer, the empty text a buffer of two zero bytes. The text ends at its first NUL.
ByteBuffer TextToUtf16Bytes(std::optional<std::string_view> text);

// The code units of `buffer` up to the first U+0000 (a trailing odd byte takes no part),
// as a code page 936 text.
Text Utf16BytesToText(const ByteBuffer& buffer);

// The same conversions between texts and UTF-16 strings, used where the automation layer
// passes strings rather than byte arrays. The string ends at its first U+0000.
std::u16string TextToUtf16(std::string_view text);
Text Utf16ToText(std::u16string_view units);

}  // namespace vantrel
