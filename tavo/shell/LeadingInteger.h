#pragma once
#include <cstdint>
#include <string_view>

// Reads the decimal integer at the start of a text as atol does in the "C" locale: leading
// white space skipped, an optional sign, then digits; 0 when there are none. Values beyond the
// 64-bit range saturate instead of overflowing.
int64_t ReadLeadingInteger(std::string_view text);

// True when the text holds such an integer (at least one digit after the optional sign).
bool StartsWithInteger(std::string_view text);
