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
    m_elements[handle] = Entry{};
  m_documents.erase(found);
}

Document* DocumentStore::FindDocument(QODOM_DOCUMENT id) const
{
  const auto found = m_documents.find(id);
  return found == m_documents.end() ? nullptr : found->second.get();
}

const DocumentStore::Entry* DocumentStore::Find(QODOM_ELEMENT element) const
{
  if (element >= m_elements.size() || !m_elements[element].document)
    return nullptr;
  return &m_elements[element];
}

pugi::xml_node DocumentStore::Node(QODOM_ELEMENT element) const
{
  const Entry* found = Find(element);
  return found ? pugi::xml_node(found->node) : pugi::xml_node();
}

Document* DocumentStore::DocumentOf(QODOM_ELEMENT element) const
{
  const Entry* found = Find(element);
  return found ? found->document : nullptr;
}

LocatedElement DocumentStore::Locate(QODOM_ELEMENT element) const
{
  const Entry* found = Find(element);
  if (!found)
    return {};
  return {found->document, pugi::xml_node(found->node)};
}

QODOM_ELEMENT DocumentStore::HandleOf(Document& document, pugi::xml_node node)
{
  if (!node || node.type() != pugi::node_element)
    return 0;
  const auto [slot, added] = document.handles.try_emplace(node.internal_object(), 0);
  if (added) {
    slot->second = static_cast<QODOM_ELEMENT>(m_elements.size());
    m_elements.push_back(Entry{&document, node.internal_object()});
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
      m_elements[found->second] = Entry{};
      document.handles.erase(found);
    }
    for (pugi::xml_node child : current.children())
      pending.push_back(child);
  }
}

void DocumentStore::Rebind(Document& document, QODOM_ELEMENT handle, pugi::xml_node node)
{
  if (handle == 0 || handle >= m_elements.size())
    return;
  m_elements[handle] = Entry{&document, node.internal_object()};
  document.handles[node.internal_object()] = handle;
}
