#pragma once
// Walks a material database as a user clicking through the editor would: every list of every
// level, and the object lookup on every object listed.

#include "tavo/material/TavoHandler.h"

#include <functional>

// Returns the number of objects looked up; `looked` hears of each, by its four names.
inline int ExploreDatabase(CTavoHandler& handler, const std::function<void(const std::string& path)>& looked = nullptr)
{
  int objects = 0;
  std::vector<std::string> kats, ukats, norms, objekte;
  handler.ListKategorien(kats);
  for (const std::string& kat : kats) {
    if (kat.empty())
      continue;
    handler.ListUnterkategorien(kat, ukats);
    for (const std::string& ukat : std::vector<std::string>(ukats)) {
      if (ukat.empty())
        continue;
      handler.ListNormen(kat, ukat, norms);
      for (const std::string& norm : std::vector<std::string>(norms)) {
        if (norm.empty())
          continue;
        handler.ListObjekte(kat, ukat, norm, objekte);
        for (std::string objekt : std::vector<std::string>(objekte)) {
          if (objekt.empty())
            continue;
          CTavoObj object;
          handler.GetObj(object, kat, ukat, norm, objekt);
          ++objects;
          if (looked)
            looked(kat + "/" + ukat + "/" + norm + "/" + objekt);
        }
      }
    }
  }
  return objects;
}
