#include "tavo/material/FormulaInspection.h"

#include "tavo/formula/FormulaFunctions.h"
#include "tavo/formula/FormulaNames.h"
#include "tavo/material/PropertyRows.h"
#include "tavo/material/Recalculation.h"

#include <map>

FormulaInspection InspectFormula(const std::vector<InspectedRow>& rows, std::size_t row)
{
  FormulaInspection inspection;
  if (row >= rows.size() || rows[row].formula.empty())
    return inspection;

  // The same maps the grid recalculates from: a value read as it will be stored.
  ShortNameTexts values, formulas;
  std::map<std::string, std::size_t> source;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    values[rows[i].shortName] = StoredValueText(rows[i].value);
    if (!rows[i].formula.empty())
      formulas[rows[i].shortName] = rows[i].formula;
    source[rows[i].shortName] = i;
  }
  ShortNameWarnings warnings;
  const ShortNameTexts computed = RecalculateValues(values, formulas, &warnings);

  const InspectedRow& inspected = rows[row];
  inspection.shortName = inspected.shortName;
  inspection.formula = inspected.formula;
  inspection.value = computed.at(inspected.shortName);
  if (const auto found = warnings.find(inspected.shortName); found != warnings.end())
    inspection.warnings = found->second;

  for (const std::string& name : NamesInFormula(inspected.formula)) {
    if (const auto at = source.find(name); at != source.end()) {
      const InspectedRow& from = rows[at->second];
      const bool isFormula = formulas.count(name) != 0;
      const std::string& value = computed.at(name);
      inspection.names.push_back(
          {name, value, isFormula, isFormula || IsNumberText(value), at->second, from.level, from.holder});
    } else if (FindFunction(name) != nullptr || name == "pi" || name == "e") {
      inspection.functions.push_back(name);
    } else {
      inspection.unresolved.push_back(name);
    }
  }
  return inspection;
}
