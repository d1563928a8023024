#pragma once
// One walk over the database as its lists show it, for everything that visits the whole
// database: the protocol, the checks, the tests. A Kategorie comes before its Unterkategorien,
// and they come before the next Kategorie.

#include "tavo/material/TavoHandler.h"

#include <functional>
#include <string>
#include <vector>

// Hears of each entry with the names from Kategorie down to the entry itself (one to four names;
// the empty slots of a list too) and answers whether the walk goes below it.
using ListedEntryVisitor = std::function<bool(const std::vector<std::string>& names)>;

// Visits every entry of every list in list order, as ListLevel gives them.
void WalkListedDatabase(const CTavoHandler& handler, const ListedEntryVisitor& visit);

// Every element of the level `depth` (1 Kategorie ... 4 Objekt) below `element`, in document
// order, listed or not; `element` stands at level `elementDepth` (0: the file's root).
std::vector<QODOM_ELEMENT> LevelElements(QODOM_ELEMENT element, int depth, int elementDepth = 0);
// The level (1 Kategorie ... 4 Objekt) that an element of this tag stands at; 0 for any other tag.
int LevelOfTag(const std::string& tag);
