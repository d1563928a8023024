#include "tavo/material/TavoObj.h"

#include "tavo/material/ChangeScope.h"
#include "tavo/material/ObjectProperties.h"
#include "tavo/material/PriorityList.h"
#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

// --- construction ---

CTavoObj::CTavoObj(QODOM_ELEMENT element, bool inUser) : inUserFile(inUser), objectElement(element)
{
  ObjectProperties collected = CollectObjectProperties(element);
  values = std::move(collected.values);
  formulas = std::move(collected.formulas);
  propertyElements = std::move(collected.elements);
  if (element && *QODOM_GetString(element, kPrioritaet) != '\0') {
    const int read = QODOM_GetInt(element, kPrioritaet);
    priority = read >= 0 && read <= kHighestPriority ? read : -1;
  }
  Recalc();
}

// --- public operations ---

bool CTavoObj::Recalc()
{
  ShortNameTexts computed = RecalculateValues(values, formulas, &warnings);
  bool changed = false;
  for (const auto& [name, formula] : formulas) {
    const auto before = values.find(name);
    if (before != values.end() && before->second != computed[name])
      changed = true;
  }
  values = std::move(computed);
  wroteBack = changed;
  if (!changed)
    return false;

  // The write-back is a change of its own, whatever the caller is doing.
  const CChangeScope scope(ChangeKind::kRecalculation, PathOfElement(objectElement));
  for (QODOM_ELEMENT property : propertyElements) {
    const std::string name = QODOM_GetString(property, kKurzname);
    if (const auto value = values.find(name); value != values.end())
      QODOM_SetString(property, kWert01, value->second.c_str());
    if (const auto formula = formulas.find(name); formula != formulas.end())
      QODOM_SetString(property, kFormel, formula->second.c_str());
  }
  return true;
}

void CTavoObj::CopyPropertiesTo(QODOM_ELEMENT target) const
{
  for (QODOM_ELEMENT property : propertyElements)
    QODOM_CloneElementTree(property, QODOM_AddChildElement(target, kEigenschaft));
}
