#include "tavo/shell/LeadingInteger.h"

#include <limits>

namespace {

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
