#pragma once
// Numbers to and from text, always in the classic "C" conventions (a point as the decimal
// separator), whatever locale the C library has been switched to.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a text as the standard text-to-double conversion does: leading blanks skipped, the
// longest prefix that forms a number (decimal, hexadecimal, inf, nan) taken, 0 when there is none.
double ReadLeadingDouble(std::string_view text);

// As a "%lf" scan: the number at the start of the text (leading blanks skipped, the rest
// ignored), or nothing when the text does not start with one.
std::optional<double> ScanLeadingDouble(std::string_view text);

// A number literal of the formula language, read as a stream read of a double does: the whole
// text must form the number and its value must not overflow; nothing otherwise.
std::optional<double> ReadLiteral(std::string_view text);

// printf "%lg": six significant digits, trailing zeros dropped, exponent form for large and small.
std::string FormatLg(double value);
// printf "%.17g": every double survives the round trip.
std::string FormatG17(double value);
// printf "%.2lf".
std::string FormatFixed2(double value);
// printf "%16.16le": sixteen digits after the point, right-aligned in sixteen columns.
std::string FormatScientific16(double value);

// A computed value as the property grid shows it: 5 minus the whole part of log10 of the
// magnitude decimals (at least 0; none for zero), trailing zeros and a trailing point dropped.
// Values that are not finite read as the C library prints them: "inf", "-inf", "nan".
std::string FormatGridValue(double value);

// Truncates toward zero into a 32-bit integer; NaN and values outside its range give -2147483648.
std::int32_t ToInt32(double value);

// Reads the decimal integer at the start of a text as atol does in the "C" locale: leading
// white space skipped, an optional sign, then digits; 0 when there are none. Values beyond the
// 64-bit range saturate instead of overflowing.
int64_t ReadLeadingInteger(std::string_view text);
// True when the text holds such an integer (at least one digit after the optional sign).
bool StartsWithInteger(std::string_view text);
