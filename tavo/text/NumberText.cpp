#include "tavo/text/NumberText.h"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

#ifdef _WIN32
using CLocale = _locale_t;
CLocale MakeClassicLocale()
{
  return _create_locale(LC_ALL, "C");
}
double StrtodClassic(const char* text, char** end, CLocale locale)
{
  return _strtod_l(text, end, locale);
}
#else
using CLocale = locale_t;
CLocale MakeClassicLocale()
{
  return newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
}
double StrtodClassic(const char* text, char** end, CLocale locale)
{
  return strtod_l(text, end, locale);
}
#endif

bool IsDigitChar(char c)
{
  return c >= '0' && c <= '9';
}

// Whether from_chars reads the start of the text as strtod does: a decimal number with no blank
// or plus sign before it, not hexadecimal, not inf or nan. Overflow and underflow it leaves to
// strtod too.
bool ReadsAsFromChars(std::string_view text)
{
  const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  if (start >= text.size() || !(IsDigitChar(text[start]) || text[start] == '.')) {
    return false;
  }
  return !(text[start] == '0' && start + 1 < text.size() && (text[start + 1] == 'x' || text[start + 1] == 'X'));
}

// strtod in the classic locale over a copy that ends with a zero byte; returns the number of
// characters it took (0 when the text does not start with a number). Plain decimal numbers are
// read by from_chars, which rounds as strtod does and needs neither the copy nor the locale.
std::size_t Strtod(std::string_view text, double& value)
{
  text = text.substr(0, text.find('\0'));
  if (ReadsAsFromChars(text)) {
    double read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error == std::errc()) {
      value = read;
      return static_cast<std::size_t>(end - text.data());
    }
  }
  static const CLocale classic = MakeClassicLocale();
  const std::string copy(text.substr(0, text.find('\0')));
  char* end = nullptr;
  value = StrtodClassic(copy.c_str(), &end, classic);
  return static_cast<std::size_t>(end - copy.c_str());
}

std::string ToChars(double value, std::chars_format format, int precision)
{
  char buffer[400];  // the longest form asked for here, the smallest double in the grid's fixed form, needs 330
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
}

bool IsSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

// Position of the first digit after white space and an optional sign, and the sign.
std::size_t DigitsStart(std::string_view text, bool& negative)
{
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i]))
    ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

}  // namespace

double ReadLeadingDouble(std::string_view text)
{
  double value = 0;
  return Strtod(text, value) == 0 ? 0.0 : value;
}

std::optional<double> ScanLeadingDouble(std::string_view text)
{
  double value = 0;
  const std::size_t used = Strtod(text, value);
  if (used == 0) {
    return std::nullopt;
  }
  // The scan gives up on a hexadecimal prefix without digits ("0x"), where strtod takes the 0.
  const std::size_t start = text.find_first_not_of(" \t\n\v\f\r+-");
  if (used == start + 1 && text[start] == '0' && used < text.size() && (text[used] == 'x' || text[used] == 'X')) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> ReadLiteral(std::string_view text)
{
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);  // a stream read takes a plus sign, from_chars does not
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() || error == std::errc::invalid_argument) {
    return std::nullopt;
  }
  if (error == std::errc::result_out_of_range) {
    // A stream read refuses an overflow but takes an underflow as the nearest small value.
    Strtod(text, value);
    if (std::isinf(value)) {
      return std::nullopt;
    }
  }
  return value;
}

// The shortest text that reads back as the value, when it has at most six significant digits, is
// what rounding the value to six digits gives: the value lies far closer to it than to any other
// six-digit number. Zero, subnormal and non-finite values take the general conversion.
std::string FormatLg(double value)
{
  if (!std::isfinite(value) || std::fabs(value) < 1e-290) {
    return ToChars(value, std::chars_format::general, 6);
  }
  char shortest[32];  // [-]d[.ddd]e±dd[d]
  const char* const end = std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific).ptr;
  const char* at = shortest;
  const bool negative = *at == '-';
  at += negative ? 1 : 0;
  char digits[24];
  int count = 0;
  for (; *at != 'e'; ++at) {
    if (*at != '.') {
      digits[count++] = *at;
    }
  }
  if (count > 6) {
    return ToChars(value, std::chars_format::general, 6);
  }
  int exponent = 0;
  std::from_chars(at + (at[1] == '+' ? 2 : 1), end, exponent);

  // As "%g" lays the digits out: exponent form below 1e-4 and from 1e6 on, else positional.
  std::string text(negative ? "-" : "");
  if (exponent < -4 || exponent >= 6) {
    text += digits[0];
    if (count > 1) {
      text += '.';
      text.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    text += exponent < 0 ? "e-" : "e+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
      text += '0';
    }
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const int whole = exponent + 1;
    text.append(digits, static_cast<std::size_t>(std::min(count, whole)));
    if (count <= whole) {
      text.append(static_cast<std::size_t>(whole - count), '0');
    } else {
      text += '.';
      text.append(digits + whole, static_cast<std::size_t>(count - whole));
    }
  } else {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text.append(digits, static_cast<std::size_t>(count));
  }
  return text;
}

std::string FormatG17(double value)
{
  return ToChars(value, std::chars_format::general, 17);
}

std::string FormatFixed2(double value)
{
  return ToChars(value, std::chars_format::fixed, 2);
}

std::string FormatScientific16(double value)
{
  std::string text = ToChars(value, std::chars_format::scientific, 16);
  if (text.size() < 16) {
    text.insert(0, 16 - text.size(), ' ');
  }
  return text;
}

std::string FormatGridValue(double value)
{
  if (std::isnan(value))
    return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value))
    return value < 0 ? "-inf" : "inf";

  int decimals = 0;
  if (value != 0) {
    const double digits = std::trunc(std::log10(std::fabs(value)));
    decimals = std::max(0, 5 - static_cast<int>(digits));
  }
  std::string text = ToChars(value, std::chars_format::fixed, decimals);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0')
      text.pop_back();
    if (!text.empty() && text.back() == '.')
      text.pop_back();
  }
  return text;
}

std::int32_t ToInt32(double value)
{
  if (!(value > -2147483649.0 && value < 2147483648.0)) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

int64_t ReadLeadingInteger(std::string_view text)
{
  bool negative = false;
  std::size_t i = DigitsStart(text, negative);
  constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  uint64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
    if (magnitude > limit) {
      magnitude = limit + (negative ? 1 : 0);
      while (i < text.size() && IsDigit(text[i]))
        ++i;
      break;
    }
  }
  if (negative)
    return magnitude > limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
  return static_cast<int64_t>(magnitude);
}

bool StartsWithInteger(std::string_view text)
{
  bool negative = false;
  const std::size_t i = DigitsStart(text, negative);
  return i < text.size() && IsDigit(text[i]);
}
