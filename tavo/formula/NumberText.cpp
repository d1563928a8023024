#include "tavo/formula/NumberText.h"

#include <locale.h>
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

// strtod in the classic locale over a copy that ends with a zero byte; returns the number of
// characters it took (0 when the text does not start with a number).
std::size_t Strtod(std::string_view text, double& value)
{
  static const CLocale classic = MakeClassicLocale();
  const std::string copy(text.substr(0, text.find('\0')));
  char* end = nullptr;
  value = StrtodClassic(copy.c_str(), &end, classic);
  return static_cast<std::size_t>(end - copy.c_str());
}

std::string ToChars(double value, std::chars_format format, int precision)
{
  char buffer[400];  // the longest fixed form of a double with two decimals needs 312
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
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

std::string FormatLg(double value)
{
  return ToChars(value, std::chars_format::general, 6);
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

std::int32_t ToInt32(double value)
{
  if (!(value > -2147483649.0 && value < 2147483648.0)) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}
