#include "tavo/outside/DocumentStore.h"

DocumentStore& DocumentStore::Instance()
{
  static DocumentStore store;
  return store;
}

QODOM_ELEMENT DocumentStore::Add(std::unique_ptr<Document> document)
{
  Document& added = *document;
  added.id = m_nextDocument++;
  m_documents.emplace(added.id, std::move(document));
  return HandleOf(added, added.xml.document_element());
}

void DocumentStore::Remove(QODOM_DOCUMENT id)
{
  const auto found = m_documents.find(id);
  if (found == m_documents.end())
    return;
  for (const auto& [node, handle] : found->second->handles)
    m_elements.erase(handle);
  m_documents.erase(found);
}

Document* DocumentStore::FindDocument(QODOM_DOCUMENT id) const
{
  const auto found = m_documents.find(id);
  return found == m_documents.end() ? nullptr : found->second.get();
}

pugi::xml_node DocumentStore::Node(QODOM_ELEMENT element) const
{
  const auto found = m_elements.find(element);
  return found == m_elements.end() ? pugi::xml_node() : pugi::xml_node(found->second.node);
}

Document* DocumentStore::DocumentOf(QODOM_ELEMENT element) const
{
  const auto found = m_elements.find(element);
  return found == m_elements.end() ? nullptr : found->second.document;
}

LocatedElement DocumentStore::Locate(QODOM_ELEMENT element) const
{
  const auto found = m_elements.find(element);
  if (found == m_elements.end())
    return {};
  return {found->second.document, pugi::xml_node(found->second.node)};
}

QODOM_ELEMENT DocumentStore::HandleOf(Document& document, pugi::xml_node node)
{
  if (!node || node.type() != pugi::node_element)
    return 0;
  const auto [slot, added] = document.handles.try_emplace(node.internal_object(), 0);
  if (added) {
    slot->second = m_nextHandle++;
    m_elements.emplace(slot->second, Entry{&document, node.internal_object()});
  }
  return slot->second;
}

void DocumentStore::ForgetSubtree(Document& document, pugi::xml_node node)
{
  // An explicit stack: hostile files nest deeper than the call stack would allow.
  std::vector<pugi::xml_node> pending{node};
  while (!pending.empty()) {
    const pugi::xml_node current = pending.back();
    pending.pop_back();
    const auto found = document.handles.find(current.internal_object());
    if (found != document.handles.end()) {
      m_elements.erase(found->second);
      document.handles.erase(found);
    }
    for (pugi::xml_node child : current.children())
      pending.push_back(child);
  }
}
