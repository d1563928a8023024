#pragma once
// Validates the open material files beyond well-formedness: the structure of the levels, names
// and priorities, the formulas of every object, and user objects hidden by standard ones.

#include "tavo/material/TavoHandler.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

struct CheckFinding {
  std::string file;  // the material file
  int line = 0;      // where the element starts; 0 when the file has no line numbers
  std::string path;  // the names from Kategorie down, joined by backslashes; "" for the root
  std::string message;
  bool note = false;  // worth knowing, but no fault: does not count as a finding for the exit status
};

// "FILE:LINE: path: message" ("... path: note: message" for a note); the root's findings name the
// root element as their path.
std::string FormatFinding(const CheckFinding& finding);

class CMaterialCheck {
 public:
  explicit CMaterialCheck(const CTavoHandler& handler) : m_handler(handler) {}

  // Checks the standard file, then the user file (each when open); the findings of each file
  // in document order, those that compare entries of both files at the end.
  std::vector<CheckFinding> Run();

 private:
  // A Kategorie, Unterkategorie, Norm or Objekt met on the walk.
  struct Entry {
    QODOM_ELEMENT element = 0;
    QODOM_ELEMENT file = 0;
    int level = 0;                   // 1 Kategorie ... 4 Objekt
    std::vector<std::string> names;  // the names from Kategorie down to the entry itself
    int priority = -1;               // the priority that the lists use; -1 when it has none
  };

  void WalkFile(QODOM_ELEMENT root);
  void CheckChildren(QODOM_ELEMENT parent, int level, const std::vector<std::string>& names);
  void CheckProperty(QODOM_ELEMENT property, const std::vector<std::string>& names);
  int CheckPriority(QODOM_ELEMENT entry, int level, const std::vector<std::string>& names);
  void CheckFormulas(const Entry& object);
  // The stored value of each formula row against what recalculating the objects below it gives.
  void CheckRecalculatedValues();
  void CheckSharedPriorities();
  void CheckHiddenObjects();
  void Report(QODOM_ELEMENT element, const std::vector<std::string>& names, const std::string& message,
              bool note = false);

  // A formula row's element, where its value is stored, with what each object below computes.
  struct Recalculated {
    std::vector<std::string> names;  // the path of the level that holds the row
    // Object name and recalculated text of the first object seen, and of the first whose text
    // differs from it: all that the findings need, however many objects share the row.
    std::pair<std::string, std::string> first;
    std::optional<std::pair<std::string, std::string>> other;
  };

  const CTavoHandler& m_handler;
  std::vector<Entry> m_entries;
  std::set<std::pair<QODOM_ELEMENT, std::string>> m_reportedFormulas;
  // In the order first met: handles name addresses, so their order would vary from run to run.
  std::vector<std::pair<QODOM_ELEMENT, Recalculated>> m_recalculated;
  std::unordered_map<QODOM_ELEMENT, std::size_t> m_recalculatedIndex;
  std::vector<CheckFinding> m_findings;
};
