#include "tavo/outside/QODOMJournal.h"

#include "tavo/outside/DocumentEdits.h"
#include "tavo/outside/DocumentStore.h"

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
