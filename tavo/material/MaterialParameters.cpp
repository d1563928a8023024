#include "tavo/material/MaterialParameters.h"

#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/text/NumberText.h"

#include <cmath>
#include <optional>

namespace {

enum class Quantity { kStress, kStrain, kFactor };

struct TableLine {
  const char* shortName;
  Quantity quantity;
  const char* storedUnit;  // the unit of the bundled database, taken when a row names none
};

// Every short name a law reads. Moduli count as stresses.
const TableLine kTable[] = {
    {"fcd", Quantity::kStress, "N/mm²"}, {"fcm", Quantity::kStress, "N/mm²"}, {"Ecm", Quantity::kStress, "kN/mm²"},
    {"n", Quantity::kFactor, "-"},       {"eps_c1", Quantity::kStrain, "‰"},  {"eps_cu1", Quantity::kStrain, "‰"},
    {"eps_c2", Quantity::kStrain, "‰"},  {"eps_cu2", Quantity::kStrain, "‰"}, {"eps_c3", Quantity::kStrain, "‰"},
    {"eps_cu3", Quantity::kStrain, "‰"}, {"fyk", Quantity::kStress, "N/mm²"}, {"fyd", Quantity::kStress, "N/mm²"},
    {"k", Quantity::kFactor, "-"},       {"eps_uk", Quantity::kStrain, "%"},  {"Es", Quantity::kStress, "N/mm²"},
    {"fy", Quantity::kStress, "N/mm²"},  {"fu", Quantity::kStress, "N/mm²"},  {"E", Quantity::kStress, "N/mm²"},
};

const TableLine* Find(const std::string& shortName)
{
  for (const TableLine& line : kTable)
    if (shortName == line.shortName)
      return &line;
  return nullptr;
}

// The factor from `unit` to the laws' unit of the quantity; nothing for a unit we do not know.
std::optional<double> UnitFactor(Quantity quantity, const std::string& unit)
{
  switch (quantity) {
    case Quantity::kStress:
      if (unit == "N/mm²" || unit == "N/mm2" || unit == "MPa")
        return 1.0;
      if (unit == "kN/mm²" || unit == "kN/mm2" || unit == "GPa")
        return 1000.0;
      return std::nullopt;
    case Quantity::kStrain:
      if (unit == "‰")
        return 1.0;
      if (unit == "%")
        return 10.0;
      if (unit == "-")
        return 1000.0;
      return std::nullopt;
    case Quantity::kFactor: return 1.0;
  }
  return std::nullopt;
}

std::string_view Trimmed(std::string_view text)
{
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

// --- construction ---

void CMaterialParameters::Set(const std::string& shortName, const std::string& value, const std::string& unit)
{
  m_entries[shortName] = Entry{value, unit};
}

CMaterialParameters CMaterialParameters::FromObject(const CTavoObj& object)
{
  using namespace vocabulary;
  CMaterialParameters parameters;
  for (QODOM_ELEMENT property : object.propertyElements) {
    const std::string name = QODOM_GetString(property, kKurzname);
    if (!name.empty())
      parameters.Set(name, QODOM_GetString(property, kWert01), QODOM_GetString(property, kEinheit));
  }
  return parameters;
}

// --- public operations ---

bool CMaterialParameters::Read(const std::string& shortName, double& value, ParameterProblem& problem) const
{
  problem = ParameterProblem{shortName, ParameterProblem::kMissing, ""};
  const auto entry = m_entries.find(shortName);
  if (entry == m_entries.end())
    return false;

  const std::optional<double> number = ReadLiteral(Trimmed(entry->second.value));
  if (!number || !std::isfinite(*number)) {
    problem.kind = ParameterProblem::kNotANumber;
    problem.text = entry->second.value;
    return false;
  }
  const TableLine* line = Find(shortName);
  const Quantity quantity = line ? line->quantity : Quantity::kFactor;
  const std::string& unit = entry->second.unit.empty() && line ? line->storedUnit : entry->second.unit;
  const std::optional<double> factor = UnitFactor(quantity, unit);
  if (!factor) {
    problem.kind = ParameterProblem::kUnknownUnit;
    problem.text = entry->second.unit;
    return false;
  }
  if (*number <= 0) {
    problem.kind = ParameterProblem::kNotPositive;
    problem.text = entry->second.value;
    return false;
  }
  value = *number * *factor;
  return true;
}
