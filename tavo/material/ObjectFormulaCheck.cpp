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

// The element of the formula the object uses: the farthest level's non-empty one, which is the
// last of the collected elements (they run from the object up).
QODOM_ELEMENT FormulaElement(const ObjectProperties& properties, const std::string& name)
{
  for (auto element = properties.elements.rbegin(); element != properties.elements.rend(); ++element)
    if (QODOM_GetString(*element, kKurzname) == name && *QODOM_GetString(*element, kFormel) != '\0')
      return *element;
  return 0;
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

std::vector<FormulaFinding> CheckObjectFormulas(const ObjectProperties& properties)
{
  CQORParser parser;
  for (const auto& [name, value] : properties.values)
    parser.SetValue(name, ReadLeadingDouble(value));

  // Settle the values first, as recalculation does, so that a formula over another formula's
  // still empty value is not blamed for the division by zero that the empty value would cause.
  std::map<std::string, double> settled;
  for (std::size_t pass = 0; pass <= properties.values.size(); ++pass) {
    bool changed = false;
    for (const auto& [name, formula] : properties.formulas) {
      double result = 0;
      if (!parser.Evaluate(formula, result))
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
  for (const auto& [name, formula] : properties.formulas) {
    double result = 0;
    const std::string quoted = "the formula \"" + Abridged(formula) + "\" of " + name;
    if (!parser.Evaluate(formula, result))
      findings.push_back({FormulaElement(properties, name), quoted + " fails: " + Joined(parser.m_warnings, ~0)});
    else if (const std::string unknown = Joined(parser.m_warnings, kCodeUndefinedVariable); !unknown.empty())
      findings.push_back({FormulaElement(properties, name), quoted + " names a variable the object lacks: " + unknown});
  }
  return findings;
}
