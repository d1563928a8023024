#pragma once
// Names the cause of the document changes made while it lives: the edit in the grid, the
// recalculation, the copy, the delete or the priority, and the object it concerns. The journal of
// every document changed meanwhile records it with each change.

#include "tavo/material/ObjectActions.h"
#include "tavo/outside/DocumentJournal.h"

#include <string>

class CChangeScope {
 public:
  CChangeScope(ChangeKind kind, const std::string& objectPath) { PushChangeCause(kind, objectPath); }
  ~CChangeScope() { PopChangeCause(); }
  CChangeScope(const CChangeScope&) = delete;
  CChangeScope& operator=(const CChangeScope&) = delete;
};

// The path KAT/UKAT/NORM/OBJEKT of the object.
std::string PathText(const ObjectPath& path);
// The path of the element by the Names of it and of the levels above it.
std::string PathOfElement(QODOM_ELEMENT element);
