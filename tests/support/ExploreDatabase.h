#pragma once
// Walks a material database as a user clicking through the editor would: every list of every
// level, and the object lookup on every object listed.

#include "tavo/material/DatabaseWalk.h"

// Returns the number of objects looked up.
inline int ExploreDatabase(CTavoHandler& handler)
{
  int objects = 0;
  WalkListedDatabase(handler, [&](const std::vector<std::string>& names) {
    if (names.back().empty())
      return false;
    if (names.size() < 4)
      return true;
    CTavoObj object;
    std::string objekt = names[3];
    handler.GetObj(object, names[0], names[1], names[2], objekt);
    ++objects;
    return false;
  });
  return objects;
}
