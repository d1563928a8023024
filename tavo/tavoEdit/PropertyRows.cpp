#include "tavo/tavoEdit/PropertyRows.h"

#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

void PropertyRows::Clear()
{
  for (auto* column : {&kurzname, &name, &formel, &dimension, &einheit, &knoten})
    column->clear();
  for (auto& column : wert)
    column.clear();
  formulaFlags.clear();
}

std::vector<QODOM_ELEMENT> LoadPropertyRows(const CTavoObj& object, PropertyRows& rows)
{
  rows.Clear();
  std::vector<QODOM_ELEMENT> elements;
  for (QODOM_ELEMENT element : object.propertyElements) {
    const std::string kurzname = QODOM_GetString(element, kKurzname);
    if (kurzname.empty())
      continue;
    elements.push_back(element);
    const std::string formel = QODOM_GetString(element, kFormel);
    rows.kurzname.push_back(kurzname);
    rows.name.push_back(QODOM_GetString(element, kName));
    rows.formel.push_back(formel);
    rows.formulaFlags.push_back(formel.empty() ? 0 : 1);
    for (int column = 1; column <= kValueColumns; ++column)
      rows.wert[column - 1].push_back(QODOM_GetString(element, ValueAttribute(column).c_str()));
    rows.dimension.push_back(QODOM_GetString(element, kDimension));
    rows.einheit.push_back(QODOM_GetString(element, kEinheit));
    rows.knoten.push_back(QODOM_GetString(QODOM_GetParentElement(element), kName));
  }
  return elements;
}

void StorePropertyRows(const PropertyRows& rows, const std::vector<QODOM_ELEMENT>& elements)
{
  const std::size_t count = std::min(elements.size(), rows.kurzname.size());
  for (std::size_t n = 0; n < count; ++n) {
    const QODOM_ELEMENT element = elements[n];
    QODOM_SetString(element, kKurzname, rows.kurzname[n].c_str());
    QODOM_SetString(element, kName, rows.name[n].c_str());
    if (!rows.formel[n].empty())
      QODOM_SetString(element, kFormel, rows.formel[n].c_str());
    else
      QODOM_DeleteAttr(element, kFormel);
    QODOM_SetString(element, kWert01, rows.wert[0][n].c_str());
    for (int column = 2; column <= kValueColumns; ++column)
      if (!rows.wert[column - 1][n].empty())
        QODOM_SetString(element, ValueAttribute(column).c_str(), rows.wert[column - 1][n].c_str());
    QODOM_SetString(element, kDimension, rows.dimension[n].c_str());
    QODOM_SetString(element, kEinheit, rows.einheit[n].c_str());
  }
}
