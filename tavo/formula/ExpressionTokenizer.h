#pragma once
// Splits a formula into tokens, one at a time, as the grammar asks for them. A token is read
// either in operand position (the first token of a factor), where a sign directly before a digit
// belongs to the number, or in operator position, where a sign is always an operator.

#include <string_view>

#include "tavo/formula/FormulaLog.h"

enum class Token {
  Name,
  Number,
  End,
  Not,
  LeftParen,
  RightParen,
  Times,
  Plus,
  Minus,
  Divide,
  Semicolon,
  Less,
  Assign,
  Greater,
  Power,
  NotEqual,
  LessEqual,
  GreaterEqual,
  Equal,
  PlusAssign,
  MinusAssign,
  TimesAssign,
  DivideAssign,
  And,
  Or,
};

enum class Position { Operand, Operator };

class ExpressionTokenizer {
 public:
  // The text must outlive the tokenizer; errors are recorded in the log.
  ExpressionTokenizer(std::string_view text, FormulaLog& log);

  // Reads the next token; fails with code 4 or 8 on a bad literal or an illegal character.
  void Next(Position position);

  Token Kind() const { return m_kind; }
  // The token's characters, or "<end of expression>" at the end.
  std::string_view Text() const { return m_token; }
  // The value of a number token.
  double Number() const { return m_number; }
  // The text from the start of the current token to the end.
  std::string_view Rest() const { return m_text.substr(m_start); }

 private:
  char Peek(std::size_t offset = 0) const;
  bool AtEnd() const { return m_position >= m_text.size(); }
  void ReadNumber();
  void ReadName();
  bool ReadOperator();
  [[noreturn]] void FailIllegalCharacter();
  void Take(Token kind, std::size_t length);

  std::string_view m_text;
  FormulaLog& m_log;
  std::size_t m_position = 0;  // read position
  std::size_t m_start = 0;     // start of the current token
  Token m_kind = Token::End;
  std::string_view m_token;
  double m_number = 0;
};
