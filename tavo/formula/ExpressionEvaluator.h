#pragma once
// The formula language: turns one formula text into one double. A one-pass recursive-descent
// interpreter: each grammar rule computes its value while it parses, and every operand is
// evaluated when it is read, needed or not.
//
// Use: construct with the text, enter variables, Evaluate once, read the messages, discard.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tavo/formula/ExpressionTokenizer.h"
#include "tavo/formula/FormulaLog.h"

class ExpressionEvaluator {
 public:
  // Deeper nesting of parentheses, unary operators, calls and assignments fails with code 1024.
  static constexpr int kMaxDepth = 200;

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

  const std::vector<std::string>& Messages() const { return m_log.Messages(); }
  const std::vector<std::string>& EnglishMessages() const { return m_log.EnglishMessages(); }
  const std::vector<int>& Codes() const { return m_log.Codes(); }

 private:
  double Sequence();
  double Logical();
  double Comparison();
  double Sum();
  double Product();
  double Power();
  double Factor();
  double Call(std::string_view name);
  double Variable(std::string_view name);

  void Expect(Token kind, char character);
  bool Find(std::string_view name, double& value) const;

  std::string m_text;
  FormulaLog m_log;
  ExpressionTokenizer m_tokens;
  std::map<std::string, double, std::less<>> m_variables;
  OuterVariables m_outer;
  int m_depth = 0;
};
