#include "tavo/formula/FormulaProgram.h"

#include <algorithm>
#include <cmath>

#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/FormulaFunctions.h"
#include "tavo/formula/VariableTable.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

// How many values a step takes from the stack and how many it puts back.
int DepthChange(FormulaProgram::Step step)
{
  using Step = FormulaProgram::Step;
  switch (step) {
    case Step::Number:
    case Step::Load: return 1;
    case Step::Negate:
    case Step::Not:
    case Step::Fail:
    case Step::Call: return 0;  // the call's arguments are counted by EmitCall
    default: return -1;         // the binary operators, the assignments and Drop
  }
}

// The values of the machine's stack, then one per name for what the run assigns, and where each
// name's value lies: kept per thread and grown as needed, so that a run allocates nothing.
struct Workspace {
  std::vector<double> values;
  std::vector<const double*> bound;
};

const std::string_view kDivideByZero = "Divide by zero";

}  // namespace

// --- building ---

void FormulaProgram::Emit(Step step, std::uint32_t operand)
{
  m_steps.push_back({step, operand});
  m_depth = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(m_depth) + DepthChange(step));
  m_maxDepth = std::max(m_maxDepth, m_depth);
}

void FormulaProgram::EmitNumber(double value)
{
  m_numbers.push_back(value);
  Emit(Step::Number, static_cast<std::uint32_t>(m_numbers.size() - 1));
}

void FormulaProgram::EmitName(Step step, std::string_view name)
{
  auto found = std::find(m_names.begin(), m_names.end(), name);
  if (found == m_names.end()) {
    found = m_names.emplace(m_names.end(), name);
    m_hashes.push_back(VariableTable::Hash(name));
  }
  Emit(step, static_cast<std::uint32_t>(found - m_names.begin()));
}

void FormulaProgram::EmitCall(const FormulaFunction& function)
{
  m_functions.push_back(&function);
  m_depth -= static_cast<std::size_t>(function.arity - 1);
  Emit(Step::Call, static_cast<std::uint32_t>(m_functions.size() - 1));
  m_repeatable = m_repeatable && !function.random;
}

void FormulaProgram::EmitFailure(CParserWarning failure)
{
  m_failures.push_back(std::move(failure));
  Emit(Step::Fail, static_cast<std::uint32_t>(m_failures.size() - 1));
}

// --- running ---

void FormulaProgram::Bind(const FormulaVariables& variables, const double** bound) const
{
  for (std::size_t i = 0; i < m_names.size(); ++i) {
    const std::string& name = m_names[i];
    bound[i] = variables.Find(name, m_hashes[i]);
    if (bound[i] == nullptr && (name == "pi" || name == "e")) {
      bound[i] = name == "pi" ? &kPi : &kE;
    }
  }
}

FormulaRun FormulaProgram::Run(const FormulaVariables& variables, std::vector<CParserWarning>& messages) const
{
  std::vector<const double*> bound(m_names.size());
  Bind(variables, bound.data());
  return Run(bound.data(), messages);
}

FormulaRun FormulaProgram::Run(const double* const* boundValues, std::vector<CParserWarning>& messages) const
{
  thread_local Workspace workspace;
  if (workspace.values.size() < m_maxDepth + m_names.size()) {
    workspace.values.resize(m_maxDepth + m_names.size());
  }
  if (workspace.bound.size() < m_names.size()) {
    workspace.bound.resize(m_names.size());
  }
  double* const stack = workspace.values.data();
  double* const locals = stack + m_maxDepth;  // what the run assigns, which then takes precedence
  const double** const bound = workspace.bound.data();
  std::copy_n(boundValues, m_names.size(), bound);
  std::size_t top = 0;  // values on the stack

  for (const Instruction& instruction : m_steps) {
    const std::uint32_t operand = instruction.operand;
    switch (instruction.step) {
      case Step::Number: stack[top++] = m_numbers[operand]; break;
      case Step::Load:
        if (bound[operand] == nullptr) {
          const std::string& name = m_names[operand];
          messages.push_back({kCodeUndefinedVariable, "'" + name + "' nicht definiert", "'" + name + "' not defined"});
          locals[operand] = 0;
          bound[operand] = &locals[operand];
        }
        stack[top++] = *bound[operand];
        break;
      case Step::Assign:
      case Step::PlusAssign:
      case Step::MinusAssign:
      case Step::TimesAssign:
      case Step::DivideAssign: {
        const double right = stack[--top];
        double value = *bound[operand];  // the value now, which the right side may have assigned
        switch (instruction.step) {
          case Step::Assign: value = right; break;
          case Step::PlusAssign: value += right; break;
          case Step::MinusAssign: value -= right; break;
          case Step::TimesAssign: value *= right; break;
          default:
            if (right == 0) {
              messages.push_back({kCodeDivideByZero, "Division durch Null.", std::string(kDivideByZero)});
              return {false, 0, kDivideByZero};
            }
            value /= right;
            break;
        }
        locals[operand] = value;
        bound[operand] = &locals[operand];
        stack[top - 1] = value;
        break;
      }
      case Step::Negate: stack[top - 1] = -stack[top - 1]; break;
      case Step::Not: stack[top - 1] = stack[top - 1] == 0 ? 1 : 0; break;
      case Step::Drop: --top; break;
      // The binary operators: the right operand on top, the left one below it.
      case Step::Add: --top, stack[top - 1] += stack[top]; break;
      case Step::Subtract: --top, stack[top - 1] -= stack[top]; break;
      case Step::Multiply: --top, stack[top - 1] *= stack[top]; break;
      case Step::Divide:
        if (stack[--top] == 0) {
          messages.push_back({kCodeDivideByZero, "Division durch Null.", std::string(kDivideByZero)});
          return {false, 0, kDivideByZero};
        }
        stack[top - 1] /= stack[top];
        break;
      case Step::Power: --top, stack[top - 1] = std::pow(stack[top - 1], stack[top]); break;
      case Step::Less: --top, stack[top - 1] = stack[top - 1] < stack[top]; break;
      case Step::Greater: --top, stack[top - 1] = stack[top - 1] > stack[top]; break;
      case Step::LessEqual: --top, stack[top - 1] = stack[top - 1] <= stack[top]; break;
      case Step::GreaterEqual: --top, stack[top - 1] = stack[top - 1] >= stack[top]; break;
      case Step::Equal: --top, stack[top - 1] = stack[top - 1] == stack[top]; break;
      case Step::NotEqual: --top, stack[top - 1] = stack[top - 1] != stack[top]; break;
      case Step::And: --top, stack[top - 1] = stack[top - 1] != 0 && stack[top] != 0; break;
      case Step::Or: --top, stack[top - 1] = stack[top - 1] != 0 || stack[top] != 0; break;
      case Step::Call: {
        const FormulaFunction& function = *m_functions[operand];
        top -= static_cast<std::size_t>(function.arity);
        FunctionFault fault;
        const double value = function.apply(stack + top, fault);
        if (fault.text != nullptr) {
          if (fault.code != 0) {
            messages.push_back({fault.code, fault.german, fault.text});
          }
          return {false, 0, fault.text};
        }
        stack[top++] = value;
        break;
      }
      case Step::Fail: {
        const CParserWarning& failure = m_failures[operand];
        messages.push_back(failure);
        return {false, 0, failure.english};
      }
    }
  }
  return {true, stack[0], {}};
}
