#include "tavo/material/PathObjects.h"

#include "tavo/material/DatabaseWalk.h"
#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

namespace {

// The name of the path at `depth` (0-based) as the lists hold it: codes by their normalised
// name, objects by their current steel name.
bool Matches(const std::vector<std::string>& listed, const std::vector<std::string>& wanted, std::size_t depth)
{
  const std::string& entry = listed[depth];
  if (entry == wanted[depth])
    return true;
  if (depth == 2)
    return entry == CTavoHandler::NormalizeNormName(wanted[depth]);
  if (depth == 3) {
    std::string mapped = wanted[3];
    CTavoHandler::MapSteelName(wanted[0], wanted[1], wanted[2], mapped);
    return entry == mapped;
  }
  return false;
}

}  // namespace

PathObjects ObjectsAtPath(const CTavoHandler& handler, const CMaterialPath& path)
{
  const std::vector<std::string>& wanted = path.Names();
  PathObjects found;
  std::size_t matchedDepth = 0;  // levels of the path that the lists hold
  WalkListedDatabase(handler, [&](const std::vector<std::string>& names) {
    const std::size_t depth = names.size();
    if (names.back().empty())  // an empty slot of a list
      return false;
    if (depth <= wanted.size()) {
      if (!Matches(names, wanted, depth - 1))
        return false;
      matchedDepth = std::max(matchedDepth, depth);
    }
    if (depth == kLevelCount)
      found.objects.emplace_back(names);
    return true;
  });
  if (matchedDepth < wanted.size()) {
    std::string above;
    for (std::size_t depth = 0; depth < matchedDepth; ++depth)
      above += (depth == 0 ? "" : "/") + CMaterialPath({wanted[depth]}).Text();
    found.error = std::string("no ") + kLevelElements[matchedDepth] + " '" + wanted[matchedDepth] + "'" +
                  (above.empty() ? std::string() : " in " + above);
  }
  return found;
}
