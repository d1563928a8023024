#include "tavo/formula/PrepareFormula.h"

namespace {

struct Replacement {
  std::string_view from;
  std::string_view to;
};

// In this order: an earlier operator can take the point that a later one would need.
constexpr Replacement kFortranOperators[] = {
    {".LT.", "<"},  {".lt.", "<"},    {".LE.", "<="},   {".le.", "<="},  {".EQ.", "=="},
    {".eq.", "=="}, {".NE.", "!="},   {".ne.", "!="},   {".GT.", ">"},   {".gt.", ">"},
    {".GE.", ">="}, {".ge.", ">="},   {".AND.", "&&"},  {".and.", "&&"}, {".OR.", "||"},
    {".or.", "||"}, {".FALSE.", "0"}, {".false.", "0"}, {".TRUE.", "1"}, {".true.", "1"},
};

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}
bool IsNameCharacter(char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsPoint(char c)
{
  return c == '.' || c == ',';
}

// Every Fortran-style operator starts with a point and a letter.
bool HasPointBeforeLetter(std::string_view text)
{
  for (std::size_t at = text.find('.'); at != std::string_view::npos; at = text.find('.', at + 1)) {
    if (at + 1 < text.size() && IsNameCharacter(text[at + 1]) && text[at + 1] != '_') {
      return true;
    }
  }
  return false;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// Whether the sign at text[at] is the sign of an exponent: "e" or "E" before it, a digit after it,
// and before the "e" a run of digits and points (at least one digit) that does not end a name.
bool IsExponentSign(std::string_view text, std::size_t at)
{
  if (at < 2 || at + 1 >= text.size() || !IsDigit(text[at + 1]) || (text[at - 1] != 'e' && text[at - 1] != 'E')) {
    return false;
  }
  std::size_t start = at - 1;
  bool digit = false;
  while (start > 0 && (IsDigit(text[start - 1]) || IsPoint(text[start - 1]))) {
    digit = digit || IsDigit(text[start - 1]);
    --start;
  }
  return digit && (start == 0 || !IsNameCharacter(text[start - 1]));
}

}  // namespace

std::string PrepareFormula(std::string_view formula)
{
  std::string text(formula);
  if (HasPointBeforeLetter(text)) {
    for (const Replacement& replacement : kFortranOperators) {
      ReplaceAll(text, replacement.from, replacement.to);
    }
  }

  // Steps 2 to 4 in one pass over the text. No step changes what a later one decides on: the
  // blanks around a sign are no digits, and a comma is a point from step 2 on.
  std::string prepared;
  prepared.reserve(text.size() + text.size() / 2 + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '-' || c == '+') && !IsExponentSign(text, i)) {
      prepared += ' ';
      prepared += c;
      prepared += ' ';
    } else if (c == '#' || (IsPoint(c) && (i == 0 || !IsDigit(text[i - 1])))) {
      prepared += "0.";
    } else {
      prepared += IsPoint(c) ? '.' : c;
    }
  }
  return prepared;
}
