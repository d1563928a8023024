#include "tavo/tavoEdit/GridValueFormat.h"

#include <charconv>
#include <cmath>

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
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0')
      text.pop_back();
    if (!text.empty() && text.back() == '.')
      text.pop_back();
  }
  return text;
}
