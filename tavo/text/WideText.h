#pragma once
// Texts in UTF-16 and UTF-32, which are read and converted to UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

struct WideForm {
  const char* encoding = nullptr;  // iconv's name ("UTF-16LE", ...); null for an 8-bit text
  std::size_t markSize = 0;        // the bytes of a byte-order mark before the text
};

// The wide form that the first bytes show: a byte-order mark, or a first character whose other
// bytes are zero. A text whose first two bytes are both zero and that shows no UTF-32 is none.
WideForm DetectWideForm(std::string_view bytes);

// The text of that form in UTF-8. False when a unit is no character (a lone surrogate, a value
// beyond U+10FFFF) or the text ends inside one; `utf8` then holds what came before it.
bool WideToUtf8(std::string_view text, const char* encoding, std::string& utf8);
