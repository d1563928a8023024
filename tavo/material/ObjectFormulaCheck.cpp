#include "tavo/material/ObjectFormulaCheck.h"

#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/QORParser.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/VBT.h"
#include "tavo/text/NumberText.h"

#include <cstring>
#include <map>

using namespace vocabulary;

namespace {

struct Property {
  std::string value;
  std::string formula;
  QODOM_ELEMENT formulaElement = 0;
};

// The object's properties by short name as its lookup collects them: walking up from the object,
// a level farther away replaces value and formula; an empty formula replaces nothing.
std::map<std::string, Property> CollectProperties(QODOM_ELEMENT object)
{
  std::map<std::string, Property> properties;
  for (QODOM_ELEMENT level = object; level; level = QODOM_GetParentElement(level))
    for (QODOM_ELEMENT p = QODOM_FindFirstChild(level, kEigenschaft); p; p = QODOM_FindNextChild(p, kEigenschaft)) {
      Property& property = properties[QODOM_GetString(p, kKurzname)];
      property.value = QODOM_GetString(p, kWert01);
      const std::string formula = QODOM_GetString(p, kFormel);
      if (!formula.empty()) {
        property.formula = formula;
        property.formulaElement = p;
      }
    }
  return properties;
}

// A formula as a finding quotes it: hostile ones run to thousands of characters.
std::string Abridged(const std::string& formula)
{
  constexpr std::size_t kShown = 60;
  return formula.size() <= kShown ? formula : formula.substr(0, kShown) + "...";
}

std::string Joined(const std::vector<CParserWarning>& warnings, int codes)
{
  std::string text;
  for (const CParserWarning& warning : warnings)
    if (warning.code & codes)
      text += (text.empty() ? "" : "; ") + (VBT_SpeaksGerman() ? warning.text : warning.english);
  return text;
}

}  // namespace

std::vector<FormulaFinding> CheckObjectFormulas(QODOM_ELEMENT object)
{
  const auto properties = CollectProperties(object);
  CQORParser parser;
  for (const auto& [name, property] : properties)
    parser.SetValue(name, ReadLeadingDouble(property.value));

  // Settle the values first, as recalculation does, so that a formula over another formula's
  // still empty value is not blamed for the division by zero that the empty value would cause.
  std::map<std::string, double> settled;
  for (std::size_t pass = 0; pass <= properties.size(); ++pass) {
    bool changed = false;
    for (const auto& [name, property] : properties) {
      double result = 0;
      if (property.formula.empty() || !parser.Evaluate(property.formula, result))
        continue;
      const auto [slot, added] = settled.try_emplace(name, result);
      if (added || std::memcmp(&slot->second, &result, sizeof result) != 0) {
        slot->second = result;
        parser.SetValue(name, result);
        changed = true;
      }
    }
    if (!changed)
      break;
  }

  std::vector<FormulaFinding> findings;
  for (const auto& [name, property] : properties) {
    if (property.formula.empty())
      continue;
    double result = 0;
    const std::string quoted = "the formula \"" + Abridged(property.formula) + "\" of " + name;
    if (!parser.Evaluate(property.formula, result))
      findings.push_back({property.formulaElement, quoted + " fails: " + Joined(parser.m_warnings, ~0)});
    else if (const std::string unknown = Joined(parser.m_warnings, kCodeUndefinedVariable); !unknown.empty())
      findings.push_back({property.formulaElement, quoted + " names a variable the object lacks: " + unknown});
  }
  return findings;
}
