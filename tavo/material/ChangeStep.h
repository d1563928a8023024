#pragma once
// One action of the user over the open documents, as one step to undo and redo: where each
// document's journal stood before it and after it. Undoing a step also undoes what was recorded
// after it (values that viewing an object recalculated), so the journals are always replayed in
// order.

#include "tavo/outside/QODOM.h"

#include <cstdint>
#include <vector>

class CChangeStep {
 public:
  // Begins a step over the documents that hold the given elements (0 is skipped).
  explicit CChangeStep(const std::vector<QODOM_ELEMENT>& files);

  // Ends the step where the journals stand now; true when anything changed.
  bool Finish();
  // Takes each document back to where it stood when the step began.
  void Undo();
  // Redoes what Undo undid. False, and nothing done, when a change made since has replaced it.
  bool Redo();
  // Redo would succeed.
  bool CanRedo() const;

 private:
  struct Range {
    QODOM_DOCUMENT document = 0;
    std::size_t begin = 0, end = 0;
    std::uint64_t generation = 0;  // of the journal when the step was undone
  };
  std::vector<Range> m_ranges;
};
