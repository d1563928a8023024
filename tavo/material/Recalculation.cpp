#include "tavo/material/Recalculation.h"

#include "tavo/formula/Double.h"
#include "tavo/formula/FormulaNames.h"
#include "tavo/formula/QORParser.h"
#include "tavo/text/NumberText.h"

#include <cctype>
#include <cstddef>
#include <optional>

namespace {

// What the evaluation of `formula` left in the parser, and the variables it names whose value
// text is not a number.
std::vector<CParserWarning> WarningsOf(const std::string& formula, const CQORParser& parser,
                                       const ShortNameTexts& values, const ShortNameTexts& formulas)
{
  std::vector<CParserWarning> found = parser.m_warnings;
  for (const std::string& name : NamesInFormula(formula)) {
    const auto value = values.find(name);
    if (value == values.end() || formulas.count(name) != 0 || IsNumberText(value->second))
      continue;
    found.push_back({kCodeValueNotANumber, "Wert von '" + name + "' ist keine Zahl: '" + value->second + "'",
                     "Value of '" + name + "' is not a number: '" + value->second + "'"});
  }
  return found;
}

}  // namespace

// --- public operations ---

ShortNameTexts RecalculateValues(const ShortNameTexts& values, const ShortNameTexts& formulas,
                                 ShortNameWarnings* warnings)
{
  CQORParser parser;
  CDouble value;
  value.m_parser = &parser;

  std::size_t formulaCount = 0;
  for (const auto& [name, formula] : formulas)
    if (!formula.empty())
      ++formulaCount;

  ShortNameTexts result = values;
  for (const auto& [name, text] : values) {
    const auto formula = formulas.find(name);
    if (formula == formulas.end() || formula->second.empty())
      parser.SetVariable(name, "", "", ReadLeadingDouble(text));
  }

  // The first pass always counts as a change: the formulas' own variables only come into being
  // during it, so a formula that came before one it refers to has seen it undefined.
  bool changed = formulaCount > 0;
  ShortNameWarnings lastPass;
  for (std::size_t pass = 0; changed && pass < formulaCount + 1; ++pass) {
    changed = pass == 0;
    lastPass.clear();
    for (const auto& [name, formula] : formulas) {
      if (formula.empty())
        continue;
      value.SetText(formula);
      const std::string text = FormatLg(value.GetValue());
      // Read before SetVariable below adds its own notice of an overwritten value.
      if (warnings != nullptr)
        if (std::vector<CParserWarning> found = WarningsOf(formula, parser, values, formulas); !found.empty())
          lastPass[name] = std::move(found);
      std::string& stored = result[name];
      if (stored != text) {
        stored = text;
        changed = true;
      }
      parser.SetVariable(name, "", "", ReadLeadingDouble(text));
    }
  }
  if (warnings != nullptr)
    *warnings = std::move(lastPass);
  return result;
}

bool IsNumberText(const std::string& text)
{
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos)
    return false;
  std::string_view number(text);
  number = number.substr(first, text.find_last_not_of(' ') - first + 1);
  if (number.front() == '-' || number.front() == '+')
    number.remove_prefix(1);
  // from_chars alone would also take "inf" and "nan", which no one types as a value.
  if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number.front())) || number.front() == '.'))
    return false;
  return ReadLiteral(number).has_value();
}
