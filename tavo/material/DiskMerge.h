#pragma once
// Merging what someone else saved to a material file into the document in memory, instead of
// overwriting their work or giving up ours. The file as the document last read or saved it (its
// base, which QODOM_RememberBase keeps) is the common ancestor, the file as it is now is THEIRS,
// the document in memory is OURS (DocumentMerge says how they combine).
//
//   CDiskMerge merge(root);          // reads the file now and plans; changes nothing
//   if (!merge.Error().empty()) ...  // no base kept, the file gone, unreadable or malformed now
//   for each merge.Conflicts()[n]: let the user choose; takeTheirs[n] = true for THEIRS' side
//   merge.Apply(takeTheirs);         // the one call that changes the document in memory
//   then save as usual: the file counts as unchanged on disk again, unless it changed once more.
//
// Apply is one step: an editor records it as one undoable change; a user who cancels the choice
// simply leaves it uncalled, and nothing has changed. Between construction and Apply the document
// in memory must not change (the plan holds its elements). Apply recalculates the objects the
// merge touched; a caller that caches a looked-up object (CTavoHandler) must forget it.

#include "tavo/material/DocumentMerge.h"

#include <string>
#include <vector>

class CTavoHandler;

class CDiskMerge {
 public:
  // `root` is the root element of the document in memory.
  explicit CDiskMerge(QODOM_ELEMENT root);
  ~CDiskMerge();
  CDiskMerge(const CDiskMerge&) = delete;
  CDiskMerge& operator=(const CDiskMerge&) = delete;

  // Why the file cannot be merged ("" when it can); then Apply does nothing.
  const std::string& Error() const { return m_error; }
  // Where OURS and THEIRS changed the same thing differently; OURS' side is what Apply keeps
  // unless told otherwise.
  const std::vector<MergeConflict>& Conflicts() const { return m_plan.conflicts; }
  // THEIRS' changes without conflicts, for a summary ("3 changes from the file").
  int TakenChanges() const { return static_cast<int>(m_plan.steps.size()); }

  // Carries THEIRS' changes into the document, THEIRS' side of conflict n when takeTheirs[n], and
  // records that the document now includes the file's current bytes. False (nothing changed)
  // when Error() is not empty or Apply already ran.
  bool Apply(const std::vector<bool>& takeTheirs = {});

 private:
  QODOM_ELEMENT m_ours = 0;
  QODOM_ELEMENT m_base = 0;
  QODOM_ELEMENT m_theirs = 0;
  std::string m_theirsBytes;
  std::string m_error;
  MergePlan m_plan;
  bool m_applied = false;
};

// Keeps the base of both open files of the handler, so that they can be merged with the disk
// later. Call it right after opening; CTavoHandler::SaveFile keeps a kept base current.
void RememberBases(const CTavoHandler& handler);
