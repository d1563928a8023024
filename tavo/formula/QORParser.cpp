#include "tavo/formula/QORParser.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "tavo/formula/CompiledFormulas.h"
#include "tavo/formula/FormulaCode.h"
#include "tavo/text/NumberText.h"

CQORParser theGlobalParser;

namespace {

bool IsPlain(std::string_view text)
{
  for (const char c : text) {
    if (c == '|' || c == '\0') {
      return false;
    }
  }
  return true;
}

// The parser's variables by short name.
class TableVariables : public FormulaVariables {
 public:
  explicit TableVariables(const VariableTable& table) : m_table(table) {}
  const double* Find(std::string_view name, std::size_t hash) const override
  {
    const VariableRecord* record = m_table.Find(name, hash);
    return record == nullptr ? nullptr : &record->value;
  }

 private:
  const VariableTable& m_table;
};

// Variables taken from the sorted listing, by short name.
class ListedVariables : public FormulaVariables {
 public:
  void Set(std::string_view name, double value)
  {
    if (const auto found = m_values.find(name); found != m_values.end()) {
      found->second = value;
    } else {
      m_values.emplace(name, value);
    }
  }
  const double* Find(std::string_view name, std::size_t) const override
  {
    const auto found = m_values.find(name);
    return found == m_values.end() ? nullptr : &found->second;
  }

 private:
  std::map<std::string, double, std::less<>> m_values;
};

// A text as "%s" writes it: up to its first zero byte.
std::string_view AsCString(std::string_view text)
{
  return text.substr(0, text.find('\0'));
}

}  // namespace

void CQORParser::SetVariable(const std::string& fullName, const std::string& label, const std::string& unitText,
                             double value)
{
  bool created = false;
  VariableRecord& record = m_variables.Enter(fullName, created);
  if (!created && std::fabs(record.value - value) > 1e-8) {
    const std::string shortName(AsCString(record.ShortName()));
    m_warnings.push_back({kCodeOverwritten, shortName + " wird überschrieben mit " + FormatFixed2(value),
                          shortName + " is overwritten with " + FormatFixed2(value)});
  }
  record.label = label;
  record.unitText = unitText;
  record.value = value;
  m_plainTexts = m_plainTexts && IsPlain(fullName) && IsPlain(label) && IsPlain(unitText);
}

void CQORParser::SetValue(const std::string& fullName, double value)
{
  bool created = false;
  VariableRecord& record = m_variables.Enter(fullName, created);
  record.label.clear();
  record.unitText.clear();
  record.value = value;
  m_plainTexts = m_plainTexts && IsPlain(fullName);
}

bool CQORParser::Evaluate(const std::string& formula, double& result)
{
  return Evaluate(CompiledFormulaOf(formula), result);
}

bool CQORParser::Evaluate(const CompiledFormula& formula, double& result)
{
  const FormulaProgram& program = formula.program;
  m_warnings.clear();
  FormulaRun run;
  if (m_plainTexts) {
    // The sorted listing would give back every variable as entered, one per short name, so the
    // program may read the table itself: the same values and the same outcome, unsorted.
    run = program.Run(Bound(formula), m_warnings);
  } else {
    std::vector<std::string> fullNames, labels, units;
    std::vector<double> values;
    CollectVariables(fullNames, labels, units, values);
    ListedVariables listed;
    for (std::size_t i = 0; i < fullNames.size(); ++i) {
      listed.Set(VariableTable::ShortName(fullNames[i]), values[i]);  // the later of a short name wins
    }
    run = program.Run(listed, m_warnings);
  }
  if (run.ok) {
    result = run.value;
    return true;
  }
  // A failure text is reported only when the evaluation recorded nothing before it.
  if (m_warnings.empty()) {
    const std::string failure(run.failure);
    m_warnings.push_back({kCodeBadNumber, failure, failure});
  }
  return false;
}

const double* const* CQORParser::Bound(const CompiledFormula& formula)
{
  if (m_bindings.layout != m_variables.Layout()) {
    m_bindings.entries.clear();
    m_bindings.layout = m_variables.Layout();
  }
  for (const Binding& binding : m_bindings.entries) {
    if (binding.serial == formula.serial) {
      return binding.values.data();
    }
  }
  // A few dozen formulas at most take turns on one table; beyond that the oldest make room.
  constexpr std::size_t kMostBindings = 64;
  if (m_bindings.entries.size() >= kMostBindings) {
    m_bindings.entries.erase(m_bindings.entries.begin());
  }
  Binding& binding = m_bindings.entries.emplace_back(Binding{formula.serial, {}});
  binding.values.resize(formula.program.NameCount());
  formula.program.Bind(TableVariables(m_variables), binding.values.data());
  return binding.values.data();
}

bool CQORParser::IsRepeatable(const std::string& formula)
{
  return CompiledFormulaOf(formula).program.Repeatable();
}

void CQORParser::CollectVariables(std::vector<std::string>& fullNames, std::vector<std::string>& labels,
                                  std::vector<std::string>& units, std::vector<double>& values) const
{
  // One key per variable, "fullName|label|unit|value", sorted bytewise and split again from the
  // right; the value is written with 17 digits, so it comes back bit for bit.
  std::vector<std::string> keys;
  keys.reserve(m_variables.Records().size());
  for (const VariableRecord& variable : m_variables.Records()) {
    std::string key(AsCString(variable.fullName));
    key += '|';
    key += AsCString(variable.label);
    key += '|';
    key += AsCString(variable.unitText);
    key += '|';
    key += FormatScientific16(variable.value);
    keys.push_back(std::move(key));
  }
  std::sort(keys.begin(), keys.end());
  for (const std::string& key : keys) {
    const std::size_t valueBar = key.rfind('|');
    const std::size_t unitBar = key.rfind('|', valueBar - 1);
    const std::size_t labelBar = key.rfind('|', unitBar - 1);
    fullNames.push_back(key.substr(0, labelBar));
    labels.push_back(key.substr(labelBar + 1, unitBar - labelBar - 1));
    units.push_back(key.substr(unitBar + 1, valueBar - unitBar - 1));
    values.push_back(ReadLeadingDouble(std::string_view(key).substr(valueBar + 1)));
  }
}
