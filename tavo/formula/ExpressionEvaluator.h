#pragma once
// One formula text turned into one double, with a table of variables of its own: compiles the
// text (CompileFormula) and runs it once.
//
// Use: construct with the text, enter variables, Evaluate once, read the messages, discard.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tavo/formula/FormulaCompiler.h"

class ExpressionEvaluator {
 public:
  static constexpr int kMaxDepth = kMaxFormulaDepth;

  // Variables of an owner that the evaluator reads where its own table has no entry: the value
  // of the name, or null. They take precedence over the constants pi and e.
  using OuterVariables = std::function<const double*(std::string_view name)>;

  explicit ExpressionEvaluator(std::string text, OuterVariables outer = {});
  ExpressionEvaluator(const ExpressionEvaluator&) = delete;
  ExpressionEvaluator& operator=(const ExpressionEvaluator&) = delete;

  // Inserts or overwrites a variable (names are case-sensitive).
  void SetVariable(std::string_view name, double value);

  // The value of the whole text. On an error records the German message with its code, then
  // throws std::runtime_error with the English text. An undefined variable only records code 32.
  double Evaluate();

  const std::vector<std::string>& Messages() const { return m_messages; }
  const std::vector<std::string>& EnglishMessages() const { return m_english; }
  const std::vector<int>& Codes() const { return m_codes; }

 private:
  FormulaProgram m_program;
  std::map<std::string, double, std::less<>> m_variables;
  OuterVariables m_outer;
  std::vector<std::string> m_messages;
  std::vector<std::string> m_english;
  std::vector<int> m_codes;
};
