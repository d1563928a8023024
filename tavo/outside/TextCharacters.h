#pragma once
// One pass over the characters of a text before it is parsed.

#include "tavo/outside/WellFormedness.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

struct TextCharacters {
  std::size_t invalidUtf8 = std::string_view::npos;  // the first byte that breaks UTF-8
  std::optional<TextFault> forbidden;                // the first character that XML forbids
  std::size_t forbiddenLength = 0;                   // of that character, in bytes
  std::vector<std::size_t> lineStarts;               // offsets of the lines, for line numbers
};

// Validates UTF-8, finds the first control character other than tab, line feed and carriage
// return or the first U+FFFE/U+FFFF, and where every line starts, reading the text once. Past a
// byte that breaks UTF-8 only line starts and control characters are looked for.
TextCharacters ScanTextCharacters(std::string_view text);
