#pragma once
// A formula compiled once into a list of steps for a small stack machine, run as often as its
// text is evaluated. The steps come in the order in which reading the text meets them: every
// operand is computed when it is read, notices and failures arrive in reading order, and a
// text that cannot be read ends in a step that fails where reading stopped.
//
// Running reports failures as a result, never by throwing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tavo/formula/ParserWarning.h"

struct FormulaFunction;

// The variables a program reads: the value of a name, or null; `hash` is the name's
// VariableTable::Hash, computed once when the program was built. They take precedence over the
// constants pi and e; what the program assigns takes precedence over them.
class FormulaVariables {
 public:
  virtual ~FormulaVariables() = default;
  virtual const double* Find(std::string_view name, std::size_t hash) const = 0;
};

struct FormulaRun {
  bool ok = false;
  double value = 0;
  // When the run failed: the English text of the failure. Only a failure of a function's domain
  // leaves no message of its own behind.
  std::string_view failure;
};

class FormulaProgram {
 public:
  enum class Step : std::uint8_t {
    Number,  // push m_numbers[operand]
    Load,    // push the variable m_names[operand]; an undefined one is noted and becomes 0
    Assign,  // pop the right side and the loaded value, combine, store, push; operand: name
    PlusAssign,
    MinusAssign,
    TimesAssign,
    DivideAssign,
    Negate,
    Not,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Equal,
    NotEqual,
    And,
    Or,
    Drop,  // the value of a part of a sequence that is not the last
    Call,  // apply m_functions[operand] to its arguments on the stack
    Fail,  // record m_failures[operand] and stop
  };

  // Building, for the compiler: each returns nothing and keeps the stack depth.
  void Emit(Step step, std::uint32_t operand = 0);
  void EmitNumber(double value);
  void EmitName(Step step, std::string_view name);
  void EmitCall(const FormulaFunction& function);
  void EmitFailure(CParserWarning failure);

  // The names the program reads, each once; a run reads name i through bound[i].
  std::size_t NameCount() const { return m_names.size(); }
  // Fills bound[0 .. NameCount()) with where each name's value lies: the variable, else the
  // constant pi or e, else null (undefined). Valid for as long as those variables stay in place.
  void Bind(const FormulaVariables& variables, const double** bound) const;

  // Runs the steps with the bound values; appends every message to `messages` in the order met.
  FormulaRun Run(const double* const* bound, std::vector<CParserWarning>& messages) const;
  // Binds the variables, then runs.
  FormulaRun Run(const FormulaVariables& variables, std::vector<CParserWarning>& messages) const;

  // False when a run draws random numbers, so that two runs with the same variables may differ.
  bool Repeatable() const { return m_repeatable; }

 private:
  struct Instruction {
    Step step;
    std::uint32_t operand;
  };

  std::vector<Instruction> m_steps;
  std::vector<double> m_numbers;
  std::vector<std::string> m_names;   // each name once
  std::vector<std::size_t> m_hashes;  // the VariableTable::Hash of each name
  std::vector<const FormulaFunction*> m_functions;
  std::vector<CParserWarning> m_failures;
  std::size_t m_depth = 0;     // current stack depth while building
  std::size_t m_maxDepth = 0;  // the deepest the stack gets
  bool m_repeatable = true;
};
