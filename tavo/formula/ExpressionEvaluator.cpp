#include "tavo/formula/ExpressionEvaluator.h"

#include <stdexcept>

namespace {

// The evaluator's own table first, then the owner's variables.
class EvaluatorVariables : public FormulaVariables {
 public:
  EvaluatorVariables(const std::map<std::string, double, std::less<>>& own,
                     const ExpressionEvaluator::OuterVariables& outer)
      : m_own(own), m_outer(outer)
  {
  }

  const double* Find(std::string_view name, std::size_t) const override
  {
    if (const auto found = m_own.find(name); found != m_own.end()) {
      return &found->second;
    }
    return m_outer ? m_outer(name) : nullptr;
  }

 private:
  const std::map<std::string, double, std::less<>>& m_own;
  const ExpressionEvaluator::OuterVariables& m_outer;
};

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(std::string text, OuterVariables outer)
    : m_program(CompileFormula(text)), m_outer(std::move(outer))
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

double ExpressionEvaluator::Evaluate()
{
  std::vector<CParserWarning> messages;
  const FormulaRun run = m_program.Run(EvaluatorVariables(m_variables, m_outer), messages);
  for (CParserWarning& message : messages) {
    m_codes.push_back(message.code);
    m_messages.push_back(std::move(message.text));
    m_english.push_back(std::move(message.english));
  }
  if (!run.ok) {
    throw std::runtime_error(std::string(run.failure));
  }
  return run.value;
}
