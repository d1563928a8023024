#include "tavo/material/Recalculation.h"

#include "tavo/formula/Double.h"
#include "tavo/formula/NumberText.h"
#include "tavo/formula/QORParser.h"

#include <cstddef>

// --- public operations ---

ShortNameTexts RecalculateValues(const ShortNameTexts& values, const ShortNameTexts& formulas)
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
  for (std::size_t pass = 0; changed && pass < formulaCount + 1; ++pass) {
    changed = pass == 0;
    for (const auto& [name, formula] : formulas) {
      if (formula.empty())
        continue;
      value.SetText(formula);
      const std::string text = FormatLg(value.GetValue());
      std::string& stored = result[name];
      if (stored != text) {
        stored = text;
        changed = true;
      }
      parser.SetVariable(name, "", "", ReadLeadingDouble(text));
    }
  }
  return result;
}
