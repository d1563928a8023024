#pragma once
// Runs the evaluator directly, without the parser's preparation of the text.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tavo/formula/ExpressionEvaluator.h"

struct Outcome {
  bool ok = false;
  double value = 0;
  std::string english;  // the failure text
  std::vector<int> codes;
  std::vector<std::string> messages;  // German
};

inline Outcome RunFormula(const std::string& formula, const std::map<std::string, double>& variables = {})
{
  ExpressionEvaluator evaluator(formula);
  for (const auto& [name, value] : variables) {
    evaluator.SetVariable(name, value);
  }
  Outcome outcome;
  try {
    outcome.value = evaluator.Evaluate();
    outcome.ok = true;
  } catch (const std::runtime_error& failure) {
    outcome.english = failure.what();
  }
  outcome.codes = evaluator.Codes();
  outcome.messages = evaluator.Messages();
  return outcome;
}

// The value of a formula that must succeed.
inline double Value(const std::string& formula, const std::map<std::string, double>& variables = {})
{
  const Outcome outcome = RunFormula(formula, variables);
  if (!outcome.ok) {
    throw std::logic_error(formula + " failed: " + outcome.english);
  }
  return outcome.value;
}
