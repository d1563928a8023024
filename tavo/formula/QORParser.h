#pragma once
// A table of named variables in front of the formula language: prepares a formula as a user types
// it, evaluates it with the variables and reports the outcome as warnings instead of failures.

#include <string>
#include <string_view>
#include <vector>

#include "tavo/formula/ParserWarning.h"
#include "tavo/formula/VariableTable.h"

struct CompiledFormula;

class CQORParser {
 public:
  CQORParser() = default;
  virtual ~CQORParser() = default;

  // Enters or overwrites the variable named after the part of fullName behind its last
  // backslash. Replacing a value that differs by more than 1e-8 adds a warning with code 1.
  void SetVariable(const std::string& fullName, const std::string& label, const std::string& unitText, double value);
  // As SetVariable with no label and unit, but without the notice of a replaced value: for
  // callers that evaluate again before they read any warning.
  void SetValue(const std::string& fullName, double value);

  // Prepares and evaluates the formula. True: result holds the value and m_warnings the notices.
  // False: result is untouched and m_warnings holds the error. Never throws.
  bool Evaluate(const std::string& formula, double& result);
  // The same for a formula compiled already (CompiledFormulaOf).
  bool Evaluate(const CompiledFormula& formula, double& result);

  // False when two evaluations of the formula with the same variables may give different values
  // or warnings (it draws random numbers).
  static bool IsRepeatable(const std::string& formula);

  // Appends every variable to the four arrays, sorted by fullName, then label, then unit.
  void CollectVariables(std::vector<std::string>& fullNames, std::vector<std::string>& labels,
                        std::vector<std::string>& units, std::vector<double>& values) const;

  // The warnings of the last evaluation, and of SetVariable calls made since.
  std::vector<CParserWarning> m_warnings;

 private:
  // Where the names of a compiled formula lie in the table, kept while the table's layout stays.
  struct Binding {
    std::uint64_t serial;
    std::vector<const double*> values;
  };
  // A copy starts empty: its pointers would lead into the table it was copied from.
  struct Bindings {
    Bindings() = default;
    Bindings(const Bindings&) {}
    Bindings& operator=(const Bindings&)
    {
      entries.clear();
      return *this;
    }
    std::vector<Binding> entries;
    std::uint64_t layout = 0;  // the table's layout they were made for
  };
  const double* const* Bound(const CompiledFormula& formula);

  VariableTable m_variables;
  Bindings m_bindings;
  // False once a text holds "|" or a zero byte: the sorted listing would then not give back the
  // names as entered, so Evaluate must take the variables from that listing.
  bool m_plainTexts = true;
};

// The parser of every CDouble that is given no other; no variables are ever entered into it.
extern CQORParser theGlobalParser;
