#include "tavo/material/Recalculation.h"

#include "tavo/formula/CompiledFormulas.h"
#include "tavo/formula/QORParser.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
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
  for (const std::string& name : CompiledFormulaOf(formula).names) {
    const auto value = values.find(name);
    if (value == values.end() || formulas.count(name) != 0 || IsNumberText(value->second))
      continue;
    found.push_back({kCodeValueNotANumber, "Wert von '" + name + "' ist keine Zahl: '" + value->second + "'",
                     "Value of '" + name + "' is not a number: '" + value->second + "'"});
  }
  return found;
}

// The value of a formula as a typed value gives it (CDouble::SetText, then GetValue), leaving in
// the parser the warnings of the evaluation that decided it. A text that starts with a number is
// evaluated to tell a formula from that number, then evaluated as typed; the second evaluation
// is left out where it would repeat the first (no decimal comma, no random draws).
double FormulaValue(CQORParser& parser, const std::string& formula)
{
  std::string withPoints;
  const bool comma = formula.find(',') != std::string::npos;
  if (comma) {
    withPoints = formula;
    std::replace(withPoints.begin(), withPoints.end(), ',', '.');
  }
  const std::string& read = comma ? withPoints : formula;
  double value = 0;
  const std::optional<double> number = ScanLeadingDouble(read);
  if (!number) {
    parser.Evaluate(read, value);  // a failure leaves 0
    return value;
  }
  if (!parser.Evaluate(read, value) || value == *number)
    return *number;  // "2*1" is the number 2; "2x" cannot be evaluated and is the number 2
  if (comma || !CQORParser::IsRepeatable(formula))
    parser.Evaluate(formula, value);  // a failure keeps the first value
  return value;
}

}  // namespace

// --- public operations ---

ShortNameTexts RecalculateValues(const ShortNameTexts& values, const ShortNameTexts& formulas,
                                 ShortNameWarnings* warnings)
{
  CQORParser parser;

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
      const std::string text = FormatLg(FormulaValue(parser, formula));
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
