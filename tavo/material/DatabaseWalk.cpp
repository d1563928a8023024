#include "tavo/material/DatabaseWalk.h"

#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

namespace {

// The list below `names`, each entry visited and, when the visitor asks, walked below in turn.
void WalkBelow(const CTavoHandler& handler, std::vector<std::string>& names, const ListedEntryVisitor& visit)
{
  for (const std::string& name : handler.ListLevel(names)) {
    names.push_back(name);
    if (visit(names) && names.size() < kLevelCount)
      WalkBelow(handler, names, visit);
    names.pop_back();
  }
}

}  // namespace

void WalkListedDatabase(const CTavoHandler& handler, const ListedEntryVisitor& visit)
{
  std::vector<std::string> names;
  WalkBelow(handler, names, visit);
}

std::vector<QODOM_ELEMENT> LevelElements(QODOM_ELEMENT element, int depth, int elementDepth)
{
  std::vector<QODOM_ELEMENT> elements{element};
  for (int level = elementDepth; level < depth; ++level) {
    std::vector<QODOM_ELEMENT> children;
    for (QODOM_ELEMENT parent : elements)
      for (QODOM_ELEMENT child = QODOM_FindFirstChild(parent, kLevelElements[level]); child;
           child = QODOM_FindNextChild(child, kLevelElements[level]))
        children.push_back(child);
    elements = std::move(children);
  }
  return elements;
}

int LevelOfTag(const std::string& tag)
{
  for (int level = 0; level < kLevelCount; ++level)
    if (tag == kLevelElements[level])
      return level + 1;
  return 0;
}
