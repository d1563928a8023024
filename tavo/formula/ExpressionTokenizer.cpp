#include "tavo/formula/ExpressionTokenizer.h"

#include <algorithm>
#include <string>

#include "tavo/formula/FormulaCode.h"
#include "tavo/text/NumberText.h"
#include "tavo/text/Utf8.h"

namespace {

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}
bool IsLetter(char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsBlank(char c)
{
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The length of the UTF-8 sequence that starts at text[0] when it is a whole, valid one; else 1.
std::size_t CharacterLength(std::string_view text)
{
  const std::size_t length = std::max<std::size_t>(1, Utf8LengthOfLead(static_cast<unsigned char>(text[0])));
  if (length > text.size()) {
    return 1;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsUtf8Continuation(text[i])) {
      return 1;
    }
  }
  return length;
}

}  // namespace

ExpressionTokenizer::ExpressionTokenizer(std::string_view text, FormulaLog& log) : m_text(text), m_log(log) {}

void ExpressionTokenizer::Next(Position position)
{
  while (!AtEnd() && IsBlank(Peek())) {
    ++m_position;
  }
  m_start = m_position;
  if (AtEnd()) {
    m_kind = Token::End;
    m_token = "<end of expression>";
    return;
  }
  const char c = Peek();
  const bool signedNumber = (c == '+' || c == '-') && IsDigit(Peek(1));
  if (IsDigit(c) || (position == Position::Operand && signedNumber)) {
    ReadNumber();
  } else if (ReadOperator()) {
  } else if (IsLetter(c)) {
    ReadName();
  } else {
    FailIllegalCharacter();
  }
}

char ExpressionTokenizer::Peek(std::size_t offset) const
{
  return m_position + offset < m_text.size() ? m_text[m_position + offset] : '\0';
}

// number: [sign] {digit | "."} [("e" | "E") [sign] {digit}]
void ExpressionTokenizer::ReadNumber()
{
  std::size_t length = (Peek() == '+' || Peek() == '-') ? 1 : 0;
  while (IsDigit(Peek(length)) || Peek(length) == '.') {
    ++length;
  }
  if (Peek(length) == 'e' || Peek(length) == 'E') {
    ++length;
    if (Peek(length) == '+' || Peek(length) == '-') {
      ++length;
    }
    while (IsDigit(Peek(length))) {
      ++length;
    }
  }
  Take(Token::Number, length);
  const std::optional<double> value = ReadLiteral(m_token);
  if (!value) {
    const std::string literal(m_token);
    m_log.Fail(kCodeBadNumber, "Fehlerhaftes Zahlenformat: '" + literal + "'", "Bad numeric literal: " + literal);
  }
  m_number = *value;
}

// name: letter {letter | digit | "_"}
void ExpressionTokenizer::ReadName()
{
  std::size_t length = 1;
  while (IsLetter(Peek(length)) || IsDigit(Peek(length)) || Peek(length) == '_') {
    ++length;
  }
  Take(Token::Name, length);
}

// One of ! ( ) * + - / ; < = > ^, or two characters: one of ! * + - / < = > before "=", "&&", "||".
bool ExpressionTokenizer::ReadOperator()
{
  const char c = Peek();
  if (Peek(1) == '=') {
    const Token kind = c == '!'   ? Token::NotEqual
                       : c == '*' ? Token::TimesAssign
                       : c == '+' ? Token::PlusAssign
                       : c == '-' ? Token::MinusAssign
                       : c == '/' ? Token::DivideAssign
                       : c == '<' ? Token::LessEqual
                       : c == '=' ? Token::Equal
                       : c == '>' ? Token::GreaterEqual
                                  : Token::End;
    if (kind != Token::End) {
      Take(kind, 2);
      return true;
    }
  }
  if ((c == '&' || c == '|') && Peek(1) == c) {
    Take(c == '&' ? Token::And : Token::Or, 2);
    return true;
  }
  switch (c) {
    case '!': Take(Token::Not, 1); return true;
    case '(': Take(Token::LeftParen, 1); return true;
    case ')': Take(Token::RightParen, 1); return true;
    case '*': Take(Token::Times, 1); return true;
    case '+': Take(Token::Plus, 1); return true;
    case '-': Take(Token::Minus, 1); return true;
    case '/': Take(Token::Divide, 1); return true;
    case ';': Take(Token::Semicolon, 1); return true;
    case '<': Take(Token::Less, 1); return true;
    case '=': Take(Token::Assign, 1); return true;
    case '>': Take(Token::Greater, 1); return true;
    case '^': Take(Token::Power, 1); return true;
    default: return false;
  }
}

void ExpressionTokenizer::FailIllegalCharacter()
{
  const auto code = static_cast<unsigned char>(Peek());
  if (code < 32) {
    const std::string number = std::to_string(code);
    m_log.Fail(kCodeIllegalCharacter, "Unerlaubtes Zeichen (ASCII " + number + ")",
               "Unexpected character (decimal " + number + ")");
  }
  const std::string character(m_text.substr(m_position, CharacterLength(m_text.substr(m_position))));
  m_log.Fail(kCodeIllegalCharacter, "Unerlaubtes Zeichen ('" + character + "')", "Unexpected character: " + character);
}

void ExpressionTokenizer::Take(Token kind, std::size_t length)
{
  m_kind = kind;
  m_token = m_text.substr(m_position, length);
  m_position += length;
}
