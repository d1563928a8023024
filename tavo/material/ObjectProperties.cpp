#include "tavo/material/ObjectProperties.h"

#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

ObjectProperties CollectObjectProperties(QODOM_ELEMENT object, ValueElements* valueElements)
{
  ObjectProperties collected;
  for (QODOM_ELEMENT level = object; level; level = QODOM_GetParentElement(level)) {
    for (QODOM_ELEMENT property = QODOM_FindFirstChild(level, kEigenschaft); property;
         property = QODOM_FindNextChild(property, kEigenschaft)) {
      const std::string name = QODOM_GetString(property, kKurzname);
      collected.values[name] = QODOM_GetString(property, kWert01);
      if (valueElements)
        (*valueElements)[name] = property;
      const std::string formula = QODOM_GetString(property, kFormel);
      if (!formula.empty())
        collected.formulas[name] = formula;
      collected.elements.push_back(property);
    }
  }
  return collected;
}
