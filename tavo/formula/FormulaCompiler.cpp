#include "tavo/formula/FormulaCompiler.h"

#include <stdexcept>
#include <string>

#include "tavo/formula/ExpressionTokenizer.h"
#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/FormulaFunctions.h"
#include "tavo/formula/FormulaLog.h"

namespace {

using Step = FormulaProgram::Step;

// Counts one level of nesting for as long as a rule recurses; fails before one more level would
// exceed the bound, so that no formula can exhaust the stack.
class Nesting {
 public:
  Nesting(int& depth, FormulaLog& log) : m_depth(depth)
  {
    if (m_depth >= kMaxFormulaDepth) {
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

// The step of an assignment operator, or none (Fail) for any other token.
Step AssignmentStep(Token kind)
{
  switch (kind) {
    case Token::Assign: return Step::Assign;
    case Token::PlusAssign: return Step::PlusAssign;
    case Token::MinusAssign: return Step::MinusAssign;
    case Token::TimesAssign: return Step::TimesAssign;
    case Token::DivideAssign: return Step::DivideAssign;
    default: return Step::Fail;
  }
}

// One rule per member, each emitting its steps where an evaluation while reading would compute.
// Every operand is read and computed, needed or not. A failure of reading throws through the
// log and ends the compilation.
class Compiler {
 public:
  explicit Compiler(std::string_view text) : m_tokens(text, m_log) {}

  FormulaProgram Compile()
  {
    try {
      Evaluate();
    } catch (const std::runtime_error& failure) {
      m_program.EmitFailure({m_log.Codes().back(), m_log.Messages().back(), failure.what()});
    }
    return std::move(m_program);
  }

 private:
  void Evaluate();
  void Sequence();
  void Logical();
  void Comparison();
  void Sum();
  void Product();
  void Power();
  void Factor();
  void Call(std::string_view name);
  void Variable(std::string_view name);
  void Expect(Token kind, char character);

  FormulaLog m_log;
  ExpressionTokenizer m_tokens;
  FormulaProgram m_program;
  int m_depth = 0;
};

// evaluate: sequence <end>
void Compiler::Evaluate()
{
  Sequence();
  if (m_tokens.Kind() != Token::End) {
    const std::string rest(m_tokens.Rest());
    m_log.Fail(kCodeTrailingText, "Unerwartete Zeichen: " + rest, "Unexpected text at end of expression: " + rest);
  }
}

// sequence: logical { ";" logical } -- every part is evaluated, the last one is the value
void Compiler::Sequence()
{
  Logical();
  while (m_tokens.Kind() == Token::Semicolon) {
    m_program.Emit(Step::Drop);
    Logical();
  }
}

// logical: comparison { ("&&" | "||") comparison } -- one precedence for both, no short circuit
void Compiler::Logical()
{
  Comparison();
  for (Token op = m_tokens.Kind(); op == Token::And || op == Token::Or; op = m_tokens.Kind()) {
    Comparison();
    m_program.Emit(op == Token::And ? Step::And : Step::Or);
  }
}

// comparison: sum { ("<" | ">" | "<=" | ">=" | "==" | "!=") sum } -- chains: 1 < 2 < 3 is (1 < 2) < 3
void Compiler::Comparison()
{
  Sum();
  for (;;) {
    Step step = Step::Fail;
    switch (m_tokens.Kind()) {
      case Token::Less: step = Step::Less; break;
      case Token::Greater: step = Step::Greater; break;
      case Token::LessEqual: step = Step::LessEqual; break;
      case Token::GreaterEqual: step = Step::GreaterEqual; break;
      case Token::Equal: step = Step::Equal; break;
      case Token::NotEqual: step = Step::NotEqual; break;
      default: return;
    }
    Sum();
    m_program.Emit(step);
  }
}

// sum: product { ("+" | "-") product }
void Compiler::Sum()
{
  Product();
  for (Token op = m_tokens.Kind(); op == Token::Plus || op == Token::Minus; op = m_tokens.Kind()) {
    Product();
    m_program.Emit(op == Token::Plus ? Step::Add : Step::Subtract);
  }
}

// product: power { ("*" | "/") power } -- dividing by 0 fails, by NaN or infinity does not
void Compiler::Product()
{
  Power();
  for (Token op = m_tokens.Kind(); op == Token::Times || op == Token::Divide; op = m_tokens.Kind()) {
    Power();
    m_program.Emit(op == Token::Times ? Step::Multiply : Step::Divide);
  }
}

// power: factor { "^" factor } -- groups from the left: 2^3^2 is 64
void Compiler::Power()
{
  Factor();
  while (m_tokens.Kind() == Token::Power) {
    Factor();
    m_program.Emit(Step::Power);
  }
}

// factor: number | name "(" arguments ")" | name [assignment] | "(" sequence ")" | "-" power | "!" factor
// -- the only rule that reads a token of its own: the first one, in operand position
void Compiler::Factor()
{
  m_tokens.Next(Position::Operand);
  switch (m_tokens.Kind()) {
    case Token::Number: {
      const double value = m_tokens.Number();
      m_tokens.Next(Position::Operator);
      m_program.EmitNumber(value);
      return;
    }
    case Token::Name: {
      const std::string_view name = m_tokens.Text();
      m_tokens.Next(Position::Operator);
      if (m_tokens.Kind() == Token::LeftParen) {
        Call(name);
      } else {
        Variable(name);
      }
      return;
    }
    case Token::LeftParen: {
      const Nesting nesting(m_depth, m_log);
      Sequence();
      Expect(Token::RightParen, ')');
      m_tokens.Next(Position::Operator);
      return;
    }
    case Token::Minus: {
      const Nesting nesting(m_depth, m_log);
      Power();
      m_program.Emit(Step::Negate);
      return;
    }
    case Token::Not: {
      const Nesting nesting(m_depth, m_log);
      Factor();
      m_program.Emit(Step::Not);
      return;
    }
    default: {
      const std::string token(m_tokens.Text());
      m_log.Fail(kCodeUnexpectedToken, "Unerwartetes Symbol: " + token, "Unexpected token: " + token);
    }
  }
}

// call: name "(" logical { ";" logical } ")" -- the table that knows the name fixes the count;
// the function applies after the token behind ")" has been read
void Compiler::Call(std::string_view name)
{
  const FormulaFunction* function = FindFunction(name);
  if (function == nullptr) {
    const std::string text(name);
    m_log.Fail(kCodeUnknownFunction, "'" + text + "' nicht implementiert.", "Function '" + text + "' not implemented.");
  }
  const Nesting nesting(m_depth, m_log);
  for (int i = 0; i < function->arity; ++i) {
    Logical();
    if (i + 1 < function->arity) {
      Expect(Token::Semicolon, ';');
    } else {
      Expect(Token::RightParen, ')');
    }
  }
  m_tokens.Next(Position::Operator);
  m_program.EmitCall(*function);
}

// variable: name [("=" | "+=" | "-=" | "*=" | "/=") logical] -- an undefined name is noted and becomes 0
void Compiler::Variable(std::string_view name)
{
  m_program.EmitName(Step::Load, name);
  const Step assignment = AssignmentStep(m_tokens.Kind());
  if (assignment == Step::Fail) {
    return;
  }
  const Nesting nesting(m_depth, m_log);
  Logical();
  m_program.EmitName(assignment, name);
}

void Compiler::Expect(Token kind, char character)
{
  if (m_tokens.Kind() != kind) {
    const std::string text(1, character);
    m_log.Fail(kCodeExpected, "'" + text + "' erwartet.", "'" + text + "' expected.");
  }
}

}  // namespace

FormulaProgram CompileFormula(std::string_view text)
{
  return Compiler(text).Compile();
}
