#include "tavo/material/ChangeStep.h"

#include "tavo/outside/QODOMJournal.h"

#include <algorithm>

// --- construction ---

CChangeStep::CChangeStep(const std::vector<QODOM_ELEMENT>& files)
{
  for (QODOM_ELEMENT file : files)
    if (const DocumentJournal* journal = QODOM_GetJournal(QODOM_GetDocument(file)))
      m_ranges.push_back(Range{QODOM_GetDocument(file), journal->Position(), journal->Position(), 0});
}

// --- public operations ---

bool CChangeStep::Finish()
{
  bool changed = false;
  for (Range& range : m_ranges) {
    if (const DocumentJournal* journal = QODOM_GetJournal(range.document))
      range.end = journal->Position();
    changed = changed || range.end != range.begin;
  }
  return changed;
}

void CChangeStep::Undo()
{
  for (Range& range : m_ranges) {
    const DocumentJournal* journal = QODOM_GetJournal(range.document);
    if (!journal || journal->Position() < range.begin)
      continue;
    range.end = journal->Position();
    range.generation = journal->Generation();
    QODOM_MoveJournalTo(range.document, range.begin);
  }
}

bool CChangeStep::CanRedo() const
{
  return std::all_of(m_ranges.begin(), m_ranges.end(), [](const Range& range) {
    const DocumentJournal* journal = QODOM_GetJournal(range.document);
    return journal && journal->Generation() == range.generation && journal->Position() == range.begin &&
           journal->Entries().size() >= range.end;
  });
}

bool CChangeStep::Redo()
{
  if (!CanRedo())
    return false;
  for (const Range& range : m_ranges)
    QODOM_MoveJournalTo(range.document, range.end);
  return true;
}
