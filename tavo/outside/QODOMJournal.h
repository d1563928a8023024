#pragma once
// The journal of each open document's changes in memory, for undo, redo and the review of what a
// save would write.

#include "tavo/outside/DocumentJournal.h"
#include "tavo/outside/QODOM.h"

#include <cstddef>
#include <cstdint>

// The document's journal; null for 0 or a closed document.
const DocumentJournal* QODOM_GetJournal(QODOM_DOCUMENT document);
// Takes the document to where it stood after the first `position` entries of its journal,
// undoing later ones or redoing undone ones. False (nothing changed) when the document is not
// open or its journal has fewer entries.
bool QODOM_MoveJournalTo(QODOM_DOCUMENT document, std::size_t position);
// Counts every change of the document's tree (edits, undo, redo, merges): while it stands still,
// the content is the same. 0 for 0 or a closed document.
std::uint64_t QODOM_GetEditGeneration(QODOM_DOCUMENT document);
// The fingerprint of the document as it stood after the first `position` entries of its journal
// (0: as opened). The journal is moved there and back; its handles stay valid. All zero when the
// document is not open or its journal has fewer entries.
CFingerPrint QODOM_GetFingerPrintAt(QODOM_DOCUMENT document, std::size_t position);
// The document now holds what its file holds: the journal remembers the position.
void QODOM_MarkJournalSaved(QODOM_DOCUMENT document);
