#pragma once
// What a PATH names in the open database: the object itself, or every object listed below the
// level it names, found through the database walk.

#include "tavo/material/MaterialPath.h"
#include "tavo/material/TavoHandler.h"

#include <string>
#include <vector>

struct PathObjects {
  std::vector<CMaterialPath> objects;  // in list order; an old steel name as the list shows it
  // When the path names nothing: the first level whose name its list does not hold, e.g.
  // "no Norm 'EC9' in Beton/Normalbeton". Empty otherwise.
  std::string error;
};

PathObjects ObjectsAtPath(const CTavoHandler& handler, const CMaterialPath& path);
