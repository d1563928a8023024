#include "tavo/material/ChangeScope.h"

#include "tavo/material/MaterialPath.h"
#include "tavo/material/Vocabulary.h"

#include <algorithm>

using namespace vocabulary;

std::string PathText(const ObjectPath& path)
{
  return CMaterialPath({path.kat, path.ukat, path.norm, path.objekt}).Text();
}

std::string PathOfElement(QODOM_ELEMENT element)
{
  std::vector<std::string> names;
  for (; element && QODOM_GetParentElement(element); element = QODOM_GetParentElement(element))
    names.emplace_back(QODOM_GetString(element, kName));
  std::reverse(names.begin(), names.end());
  return names.empty() ? std::string() : CMaterialPath(std::move(names)).Text();
}
