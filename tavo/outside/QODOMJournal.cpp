#include "tavo/outside/QODOMJournal.h"

#include "tavo/outside/DocumentEdits.h"
#include "tavo/outside/DocumentStore.h"
#include "tavo/outside/DocumentWriter.h"

const DocumentJournal* QODOM_GetJournal(QODOM_DOCUMENT id)
{
  const Document* document = DocumentStore::Instance().FindDocument(id);
  return document ? &document->journal : nullptr;
}

bool QODOM_MoveJournalTo(QODOM_DOCUMENT id, std::size_t position)
{
  Document* document = DocumentStore::Instance().FindDocument(id);
  return document && MoveJournalTo(*document, position);
}

void QODOM_MarkJournalSaved(QODOM_DOCUMENT id)
{
  if (Document* document = DocumentStore::Instance().FindDocument(id))
    document->journal.MarkSaved();
}

std::uint64_t QODOM_GetEditGeneration(QODOM_DOCUMENT id)
{
  const Document* document = DocumentStore::Instance().FindDocument(id);
  return document ? document->edits : 0;
}

CFingerPrint QODOM_GetFingerPrintAt(QODOM_DOCUMENT id, std::size_t position)
{
  Document* document = DocumentStore::Instance().FindDocument(id);
  if (!document || position > document->journal.Entries().size())
    return {};
  const std::size_t now = document->journal.Position();
  MoveJournalTo(*document, position);
  const CFingerPrint fingerprint = FingerprintDocument(*document);
  MoveJournalTo(*document, now);
  return fingerprint;
}
