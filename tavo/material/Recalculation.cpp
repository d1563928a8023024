#include "tavo/material/Recalculation.h"

#include "tavo/formula/CompiledFormulas.h"
#include "tavo/formula/QORParser.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstring>
#include <optional>

namespace {

// One warning per variable the formula names whose value text is not a number.
std::vector<CParserWarning> NotANumberWarnings(const std::string& formula, const ShortNameTexts& values,
                                               const ShortNameTexts& formulas)
{
  std::vector<CParserWarning> found;
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
  ShortNameTexts result = values;
  for (const auto& [name, text] : values) {
    const auto formula = formulas.find(name);
    if (formula == formulas.end() || formula->second.empty())
      parser.SetValue(name, ReadLeadingDouble(text));
  }

  // The formulas in the map's order, each with the entry of the result that it computes.
  struct Computed {
    const std::string* name;
    const std::string* formula;
    std::string* stored;
    std::vector<CParserWarning> warnings;  // of its evaluation in the last pass
    bool evaluated = false;                // in an earlier pass, giving `value`
    double value = 0;
  };
  std::vector<Computed> computed;
  for (const auto& [name, formula] : formulas)
    if (!formula.empty())
      computed.push_back({&name, &formula, &result[name], {}});

  // The first pass always counts as a change: the formulas' own variables only come into being
  // during it, so a formula that came before one it refers to has seen it undefined.
  bool changed = !computed.empty();
  for (std::size_t pass = 0; changed && pass < computed.size() + 1; ++pass) {
    changed = pass == 0;
    for (Computed& formula : computed) {
      const double value = FormulaValue(parser, *formula.formula);
      if (warnings != nullptr)
        formula.warnings = std::move(parser.m_warnings);
      // The same bits as in the pass before: the same text, stored already, and the same variable.
      if (formula.evaluated && std::memcmp(&value, &formula.value, sizeof value) == 0)
        continue;
      formula.evaluated = true;
      formula.value = value;
      const std::string text = FormatLg(value);
      if (*formula.stored != text) {
        *formula.stored = text;
        changed = true;
      }
      parser.SetValue(*formula.name, ReadLeadingDouble(text));
    }
  }

  if (warnings != nullptr) {
    warnings->clear();
    for (Computed& formula : computed) {
      std::vector<CParserWarning> found = NotANumberWarnings(*formula.formula, values, formulas);
      formula.warnings.insert(formula.warnings.end(), std::make_move_iterator(found.begin()),
                              std::make_move_iterator(found.end()));
      if (!formula.warnings.empty())
        (*warnings)[*formula.name] = std::move(formula.warnings);
    }
  }
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
