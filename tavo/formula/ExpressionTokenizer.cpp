#include "tavo/formula/ExpressionTokenizer.h"

#include <string>

#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/NumberText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

struct OperatorSpelling {
  std::string_view text;
  Token kind;
};

// Two-character operators first, so that "<=" is not read as "<" and "=".
constexpr OperatorSpelling kOperators[] = {
  {"!=", Token::NotEqual}, {"*=", Token::TimesAssign}, {"+=", Token::PlusAssign},
  {"-=", Token::MinusAssign}, {"/=", Token::DivideAssign}, {"<=", Token::LessEqual},
  {"==", Token::Equal}, {">=", Token::GreaterEqual}, {"&&", Token::And}, {"||", Token::Or},
  {"!", Token::Not}, {"(", Token::LeftParen}, {")", Token::RightParen}, {"*", Token::Times},
  {"+", Token::Plus}, {"-", Token::Minus}, {"/", Token::Divide}, {";", Token::Semicolon},
  {"<", Token::Less}, {"=", Token::Assign}, {">", Token::Greater}, {"^", Token::Power},
};

// The length of the UTF-8 sequence that starts at text[0] when it is a whole, valid one; else 1.
std::size_t CharacterLength(std::string_view text)
{
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
  if (length > text.size()) {
    return 1;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return 1;
    }
  }
  return length;
}

}  // namespace

ExpressionTokenizer::ExpressionTokenizer(std::string_view text, FormulaLog& log)
  : m_text(text), m_log(log)
{
}

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

bool ExpressionTokenizer::ReadOperator()
{
  for (const OperatorSpelling& spelling : kOperators) {
    if (m_text.substr(m_position, spelling.text.size()) == spelling.text) {
      Take(spelling.kind, spelling.text.size());
      return true;
    }
  }
  return false;
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
