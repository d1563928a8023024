#include "tavo/outside/ContentMark.h"

#include "tavo/outside/QODOMJournal.h"

namespace {

// The journal stands at its start: the document holds what it was opened with.
bool AsOpened(QODOM_DOCUMENT document)
{
  const DocumentJournal* journal = QODOM_GetJournal(document);
  return journal && journal->Position() == 0;
}

}  // namespace

// --- construction ---

CContentMark::CContentMark(QODOM_ELEMENT file)
    : m_document(QODOM_GetDocument(file)), m_generation(QODOM_GetEditGeneration(m_document))
{
  if (m_document && !AsOpened(m_document))
    m_fingerprint = QODOM_GetFingerPrint(file);
}

// --- public operations ---

bool CContentMark::Differs(QODOM_ELEMENT file) const
{
  const QODOM_DOCUMENT document = QODOM_GetDocument(file);
  const bool same = document == m_document;
  if (same && QODOM_GetEditGeneration(document) == m_generation)
    return false;  // nothing written since
  if (m_fingerprint)
    return !(QODOM_GetFingerPrint(file) == *m_fingerprint);
  // Marked as opened: another document was opened from the file since, with content unknown here.
  if (!same)
    return true;
  if (AsOpened(document))
    return false;
  return !(QODOM_GetFingerPrint(file) == QODOM_GetFingerPrintAt(document, 0));
}
