#include "tavo/material/PropertyRows.h"

#include <algorithm>

#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

namespace {

// Writes only what differs from what the element holds. A missing attribute reads as an empty
// text, so writing an empty text where there is none changes nothing: the attribute is not
// created, and an unchanged object brings no question.
void SetText(QODOM_ELEMENT element, const char* name, const std::string& text)
{
  if (text == QODOM_GetString(element, name))
    return;
  QODOM_SetString(element, name, text.c_str());
}

}  // namespace

void PropertyRows::Clear()
{
  for (auto* column : {&kurzname, &name, &formel, &dimension, &einheit, &knoten})
    column->clear();
  for (auto& column : wert)
    column.clear();
  formulaFlags.clear();
}

std::string StoredValueText(std::string text)
{
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
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
    SetText(element, kKurzname, rows.kurzname[n]);
    SetText(element, kName, rows.name[n]);
    if (!rows.formel[n].empty())
      SetText(element, kFormel, rows.formel[n]);
    else
      QODOM_DeleteAttr(element, kFormel);
    SetText(element, kWert01, rows.wert[0][n]);
    for (int column = 2; column <= kValueColumns; ++column)
      if (!rows.wert[column - 1][n].empty())
        SetText(element, ValueAttribute(column).c_str(), rows.wert[column - 1][n]);
    SetText(element, kDimension, rows.dimension[n]);
    SetText(element, kEinheit, rows.einheit[n]);
  }
}
