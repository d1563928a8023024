#pragma once
// What the journals say changed: per file since its last save, grouped by the object each change
// concerns and with the recalculations apart from the user's own edits, as the closing question
// lists it; and the values that recalculation wrote, as `tavo recalc` prints them.

#include "tavo/outside/DocumentJournal.h"
#include "tavo/outside/QODOM.h"

#include <optional>
#include <string>
#include <vector>

struct ChangeLine {
  enum class Kind { kAttribute, kAdded, kRemoved };
  Kind kind = Kind::kAttribute;
  std::string element;                       // a property's Kurzname; else the tag and the Name ("Objekt C30/37")
  std::string attribute;                     // kAttribute: its name
  std::optional<std::string> before, after;  // kAttribute: the texts, nullopt where missing
};

struct ChangeGroup {
  std::string object;  // the path of the object; "" for changes that name none
  bool recalculation = false;
  std::vector<ChangeLine> lines;  // one per attribute and element, from the saved text to the current
};

// The changes that make the document differ from its last save (from its opening when it was
// never saved). The user's groups come first, then the recalculations, each in the order of their
// first change. An attribute changed and changed back, or an element added and removed again, is
// not listed; nor is what lies inside an element added in the same group.
std::vector<ChangeGroup> ChangesSinceSave(QODOM_DOCUMENT document);

struct RecalculatedValue {
  std::string path;  // of the object whose recalculation wrote it
  std::string kurzname, attribute;
  std::string before, after;
};

// The texts that recalculations wrote into the document, in order, from entry `from` of its
// journal on.
std::vector<RecalculatedValue> RecalculatedValues(QODOM_DOCUMENT document, std::size_t from = 0);
