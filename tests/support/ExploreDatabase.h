#pragma once
// Walks a material database as a user clicking through the editor would: every list of every
// level, and the object lookup on every object listed.

#include "tavo/material/DatabaseWalk.h"

#include <functional>

// Returns the number of objects looked up; `looked` hears of each, by its four names.
inline int ExploreDatabase(CTavoHandler& handler, const std::function<void(const std::string& path)>& looked = nullptr)
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
    if (looked)
      looked(names[0] + "/" + names[1] + "/" + names[2] + "/" + objekt);
    return false;
  });
  return objects;
}
