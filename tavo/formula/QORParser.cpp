#include "tavo/formula/QORParser.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "tavo/formula/ExpressionEvaluator.h"
#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/PrepareFormula.h"
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

void AppendMessages(const ExpressionEvaluator& evaluator, std::vector<CParserWarning>& warnings)
{
  for (std::size_t i = 0; i < evaluator.Messages().size(); ++i) {
    warnings.push_back({evaluator.Codes()[i], evaluator.Messages()[i], evaluator.EnglishMessages()[i]});
  }
}

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

bool CQORParser::Evaluate(const std::string& formula, double& result)
{
  std::optional<ExpressionEvaluator> evaluator;
  std::string failure;
  try {
    std::vector<std::string> fullNames, labels, units;
    std::vector<double> values;
    ExpressionEvaluator::OuterVariables outer;
    if (m_plainTexts) {
      // The sorted listing would give back every variable as entered, one per short name, so the
      // evaluator may read the table itself: the same values and the same outcome, unsorted.
      outer = [this](std::string_view name) -> const double* {
        const VariableRecord* record = m_variables.Find(name);
        return record == nullptr ? nullptr : &record->value;
      };
    } else {
      CollectVariables(fullNames, labels, units, values);
    }
    evaluator.emplace(PrepareFormula(formula), std::move(outer));
    m_warnings.clear();
    for (std::size_t i = 0; i < fullNames.size(); ++i) {
      evaluator->SetVariable(VariableTable::ShortName(fullNames[i]), values[i]);  // the later of a short name wins
    }
    const double value = evaluator->Evaluate();
    AppendMessages(*evaluator, m_warnings);
    result = value;
    return true;
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "Unknown failure";
  }
  // A failure text is reported only when the evaluator recorded nothing before it.
  if (evaluator && !evaluator->Messages().empty()) {
    AppendMessages(*evaluator, m_warnings);
  } else {
    m_warnings.push_back({kCodeBadNumber, failure, failure});
  }
  return false;
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
