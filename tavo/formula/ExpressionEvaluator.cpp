#include "tavo/formula/ExpressionEvaluator.h"

#include <cmath>

#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/FormulaFunctions.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

// Counts one level of nesting for as long as a rule recurses; fails before one more level would
// exceed the bound, so that no formula can exhaust the stack.
class Nesting {
 public:
  Nesting(int& depth, FormulaLog& log) : m_depth(depth)
  {
    if (m_depth >= ExpressionEvaluator::kMaxDepth) {
      log.Fail(kCodeTooComplex, "Formel zu tief verschachtelt (mehr als 200 Ebenen).",
               "Expression nested too deeply (more than 200 levels)");
    }
    ++m_depth;
  }
  ~Nesting() { --m_depth; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;

 private:
  int& m_depth;
};

bool IsAssignment(Token kind)
{
  return kind == Token::Assign || kind == Token::PlusAssign || kind == Token::MinusAssign ||
         kind == Token::TimesAssign || kind == Token::DivideAssign;
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(std::string text, OuterVariables outer)
    : m_text(std::move(text)), m_tokens(m_text, m_log), m_outer(std::move(outer))
{
}

void ExpressionEvaluator::SetVariable(std::string_view name, double value)
{
  if (const auto found = m_variables.find(name); found != m_variables.end()) {
    found->second = value;
  } else {
    m_variables.emplace(name, value);
  }
}

// evaluate: sequence <end>
double ExpressionEvaluator::Evaluate()
{
  const double value = Sequence();
  if (m_tokens.Kind() != Token::End) {
    const std::string rest(m_tokens.Rest());
    m_log.Fail(kCodeTrailingText, "Unerwartete Zeichen: " + rest, "Unexpected text at end of expression: " + rest);
  }
  return value;
}

// sequence: logical { ";" logical } -- every part is evaluated, the last one is the value
double ExpressionEvaluator::Sequence()
{
  double value = Logical();
  while (m_tokens.Kind() == Token::Semicolon) {
    value = Logical();
  }
  return value;
}

// logical: comparison { ("&&" | "||") comparison } -- one precedence for both, no short circuit
double ExpressionEvaluator::Logical()
{
  double value = Comparison();
  for (Token op = m_tokens.Kind(); op == Token::And || op == Token::Or; op = m_tokens.Kind()) {
    const double right = Comparison();
    value = op == Token::And ? (value != 0 && right != 0) : (value != 0 || right != 0);
  }
  return value;
}

// comparison: sum { ("<" | ">" | "<=" | ">=" | "==" | "!=") sum } -- chains: 1 < 2 < 3 is (1 < 2) < 3
double ExpressionEvaluator::Comparison()
{
  double value = Sum();
  for (;;) {
    const Token op = m_tokens.Kind();
    if (op != Token::Less && op != Token::Greater && op != Token::LessEqual && op != Token::GreaterEqual &&
        op != Token::Equal && op != Token::NotEqual) {
      return value;
    }
    const double right = Sum();
    switch (op) {
      case Token::Less: value = value < right; break;
      case Token::Greater: value = value > right; break;
      case Token::LessEqual: value = value <= right; break;
      case Token::GreaterEqual: value = value >= right; break;
      case Token::Equal: value = value == right; break;
      default: value = value != right; break;
    }
  }
}

// sum: product { ("+" | "-") product }
double ExpressionEvaluator::Sum()
{
  double value = Product();
  for (Token op = m_tokens.Kind(); op == Token::Plus || op == Token::Minus; op = m_tokens.Kind()) {
    const double right = Product();
    value = op == Token::Plus ? value + right : value - right;
  }
  return value;
}

// product: power { ("*" | "/") power } -- dividing by 0 fails, by NaN or infinity does not
double ExpressionEvaluator::Product()
{
  double value = Power();
  for (Token op = m_tokens.Kind(); op == Token::Times || op == Token::Divide; op = m_tokens.Kind()) {
    const double right = Power();
    if (op == Token::Times) {
      value *= right;
    } else if (right == 0) {
      m_log.Fail(kCodeDivideByZero, "Division durch Null.", "Divide by zero");
    } else {
      value /= right;
    }
  }
  return value;
}

// power: factor { "^" factor } -- groups from the left: 2^3^2 is 64
double ExpressionEvaluator::Power()
{
  double value = Factor();
  while (m_tokens.Kind() == Token::Power) {
    value = std::pow(value, Factor());
  }
  return value;
}

// factor: number | name "(" arguments ")" | name [assignment] | "(" sequence ")" | "-" power | "!" factor
// -- the only rule that reads a token of its own: the first one, in operand position
double ExpressionEvaluator::Factor()
{
  m_tokens.Next(Position::Operand);
  switch (m_tokens.Kind()) {
    case Token::Number: {
      const double value = m_tokens.Number();
      m_tokens.Next(Position::Operator);
      return value;
    }
    case Token::Name: {
      const std::string_view name = m_tokens.Text();
      m_tokens.Next(Position::Operator);
      return m_tokens.Kind() == Token::LeftParen ? Call(name) : Variable(name);
    }
    case Token::LeftParen: {
      const Nesting nesting(m_depth, m_log);
      const double value = Sequence();
      Expect(Token::RightParen, ')');
      m_tokens.Next(Position::Operator);
      return value;
    }
    case Token::Minus: {
      const Nesting nesting(m_depth, m_log);
      return -Power();
    }
    case Token::Not: {
      const Nesting nesting(m_depth, m_log);
      return Factor() == 0 ? 1 : 0;
    }
    default: {
      const std::string token(m_tokens.Text());
      m_log.Fail(kCodeUnexpectedToken, "Unerwartetes Symbol: " + token, "Unexpected token: " + token);
    }
  }
}

// call: name "(" logical { ";" logical } ")" -- the table that knows the name fixes the count
double ExpressionEvaluator::Call(std::string_view name)
{
  const FormulaFunction* function = FindFunction(name);
  if (function == nullptr) {
    const std::string text(name);
    m_log.Fail(kCodeUnknownFunction, "'" + text + "' nicht implementiert.", "Function '" + text + "' not implemented.");
  }
  const Nesting nesting(m_depth, m_log);
  double arguments[3] = {};
  for (int i = 0; i < function->arity; ++i) {
    arguments[i] = Logical();
    if (i + 1 < function->arity) {
      Expect(Token::Semicolon, ';');
    } else {
      Expect(Token::RightParen, ')');
    }
  }
  m_tokens.Next(Position::Operator);
  return function->apply(arguments, m_log);
}

// variable: name [("=" | "+=" | "-=" | "*=" | "/=") logical] -- an undefined name is noted and becomes 0
double ExpressionEvaluator::Variable(std::string_view name)
{
  double value = 0;
  if (!Find(name, value)) {
    m_log.Note(kCodeUndefinedVariable, "'" + std::string(name) + "' nicht definiert",
               "'" + std::string(name) + "' not defined");
    SetVariable(name, 0);
  }
  const Token op = m_tokens.Kind();
  if (!IsAssignment(op)) {
    return value;
  }
  const Nesting nesting(m_depth, m_log);
  const double right = Logical();
  Find(name, value);  // the value now, which the right side may have assigned
  switch (op) {
    case Token::Assign: value = right; break;
    case Token::PlusAssign: value += right; break;
    case Token::MinusAssign: value -= right; break;
    case Token::TimesAssign: value *= right; break;
    default:
      if (right == 0) {
        m_log.Fail(kCodeDivideByZero, "Division durch Null.", "Divide by zero");
      }
      value /= right;
      break;
  }
  SetVariable(name, value);
  return value;
}

void ExpressionEvaluator::Expect(Token kind, char character)
{
  if (m_tokens.Kind() != kind) {
    const std::string text(1, character);
    m_log.Fail(kCodeExpected, "'" + text + "' erwartet.", "'" + text + "' expected.");
  }
}

// Own table first (entered or assigned), then the owner's variables, then the constants.
bool ExpressionEvaluator::Find(std::string_view name, double& value) const
{
  if (const auto found = m_variables.find(name); found != m_variables.end()) {
    value = found->second;
    return true;
  }
  if (m_outer) {
    if (const double* outer = m_outer(name)) {
      value = *outer;
      return true;
    }
  }
  if (name == "pi" || name == "e") {
    value = name == "pi" ? kPi : kE;
    return true;
  }
  return false;
}
