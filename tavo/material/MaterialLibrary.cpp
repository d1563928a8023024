#include "tavo/material/MaterialLibrary.h"

#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/QORParser.h"
#include "tavo/shell/AngleUnitSetting.h"

void UseStoredAngleUnit()
{
  static bool installed = false;
  if (installed)
    return;
  installed = true;
  SetAngleUnitProvider(ReadAngleUnitSetting);
}

FormulaOutcome EvaluateFormula(const std::string& formula, const std::vector<std::pair<std::string, double>>& variables)
{
  UseStoredAngleUnit();
  CQORParser parser;
  for (const auto& [name, value] : variables)
    parser.SetVariable(name, "", "", value);
  FormulaOutcome outcome;
  outcome.evaluated = parser.Evaluate(formula, outcome.value);
  outcome.warnings = std::move(parser.m_warnings);
  return outcome;
}
