#pragma once
// The three-way merge of material documents at the granularity of attributes: what THEIRS changed
// since BASE is carried into OURS, in memory, through the document library, so that OURS keeps its
// layout wherever the merge does not touch it. Elements are matched by their keys (DocumentTree).
//
// Per attribute: a change on one side is taken, the same change on both sides counts once,
// different changes (a change against a removal included) are conflicts, for which OURS is kept.
// Per element: one added on one side is taken (both sides adding one merge attribute by
// attribute, as if from nothing); one removed on one side is removed when the other side left it
// as it was, and is a conflict when the other side changed something in it. A conflict on the
// value (Wert01) of a property that has a formula on both sides is none: the value is derived,
// and the objects the merge touches are recalculated as the editor recalculates them.

#include "tavo/material/DocumentTree.h"

#include <optional>
#include <string>
#include <vector>

// One change to OURS.
struct MergeStep {
  enum Kind { kSetAttribute, kDeleteAttribute, kDeleteElement, kAddCopy };
  Kind kind = kSetAttribute;
  QODOM_ELEMENT target = 0;  // OURS' element; the parent that receives the copy for kAddCopy
  std::string attribute, text;
  QODOM_ELEMENT source = 0;  // THEIRS' element that kAddCopy copies
};

struct MergeConflict {
  ElementPath path;
  // The attribute both sides changed; "" when the element itself is in conflict: removed on one
  // side and changed on the other. Then the texts are its attributes (AttributesText), nothing
  // where it is removed.
  std::string attribute;
  std::optional<std::string> base, ours, theirs;  // nothing: absent
  std::vector<MergeStep> theirsSteps;             // what taking THEIRS' side does to OURS
};

struct MergePlan {
  std::vector<MergeStep> steps;  // THEIRS' changes that OURS takes without a question
  std::vector<MergeConflict> conflicts;
  std::vector<QODOM_ELEMENT> recalculate;  // OURS' elements whose objects are recalculated anyway
};

// Why BASE cannot be the common ancestor of OURS and THEIRS ("" when it can): the three root
// elements differ, or BASE has levels of which neither OURS nor THEIRS keeps a single one.
std::string AncestorProblem(const TreeElement& base, const TreeElement& ours, const TreeElement& theirs);

// The merge as a plan; nothing is changed yet. The trees hold the live elements of OURS and
// THEIRS, which must stay open (and unchanged) until the plan is applied.
MergePlan PlanMerge(const TreeElement& base, const TreeElement& ours, const TreeElement& theirs);

// Changes OURS: every step of the plan, then for conflict n THEIRS' side when takeTheirs[n]
// (OURS' side when it is false or missing), then recalculates every object below or at an element
// that changed. Returns how many objects the recalculation wrote values into.
int ApplyMerge(const MergePlan& plan, const std::vector<bool>& takeTheirs = {});
