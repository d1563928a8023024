#include "tavo/outside/DocumentStore.h"

namespace {

constexpr int kAddressBits = 44;
constexpr QODOM_ELEMENT kAddressMask = (QODOM_ELEMENT(1) << kAddressBits) - 1;
constexpr QODOM_DOCUMENT kLastDocument = (QODOM_DOCUMENT(1) << 19) - 1;
constexpr QODOM_ELEMENT kIssued = QODOM_ELEMENT(1) << 63;

QODOM_DOCUMENT DocumentIdOf(QODOM_ELEMENT element)
{
  return static_cast<QODOM_DOCUMENT>((element >> kAddressBits) & kLastDocument);
}

// The handle that is the node's address; 0 where the address does not fit.
QODOM_ELEMENT AddressHandle(QODOM_DOCUMENT id, const pugi::xml_node_struct* node)
{
  const auto address = reinterpret_cast<std::uintptr_t>(node);
  if (address % 8 != 0 || (address >> 3) > kAddressMask)
    return 0;
  return (QODOM_ELEMENT(id) << kAddressBits) | (address >> 3);
}

pugi::xml_node_struct* AddressOf(QODOM_ELEMENT element)
{
  return reinterpret_cast<pugi::xml_node_struct*>(static_cast<std::uintptr_t>((element & kAddressMask) << 3));
}

// Drops the node's entry among the exceptions, if it has one.
void DropException(HandleExceptions& exceptions, pugi::xml_node_struct* node)
{
  const auto found = exceptions.byNode.find(node);
  if (found == exceptions.byNode.end())
    return;
  exceptions.byHandle.erase(found->second);
  exceptions.byNode.erase(found);
}

}  // namespace

DocumentStore& DocumentStore::Instance()
{
  static DocumentStore store;
  return store;
}

QODOM_ELEMENT DocumentStore::Add(std::unique_ptr<Document> document)
{
  if (m_documents.size() > kLastDocument)
    return 0;
  Document& added = *document;
  added.id = static_cast<QODOM_DOCUMENT>(m_documents.size());
  m_documents.push_back(std::move(document));
  return HandleOf(added, added.xml.document_element());
}

void DocumentStore::Remove(QODOM_DOCUMENT id)
{
  if (id < m_documents.size())
    m_documents[id].reset();
}

Document* DocumentStore::FindDocument(QODOM_DOCUMENT id) const
{
  return id < m_documents.size() ? m_documents[id].get() : nullptr;
}

pugi::xml_node DocumentStore::Node(QODOM_ELEMENT element) const
{
  return Locate(element).node;
}

Document* DocumentStore::DocumentOf(QODOM_ELEMENT element) const
{
  return Locate(element).document;
}

LocatedElement DocumentStore::Locate(QODOM_ELEMENT element) const
{
  Document* document = FindDocument(DocumentIdOf(element));
  if (!document)
    return {};
  const HandleExceptions& exceptions = document->handles;
  if (!exceptions.byHandle.empty()) {
    const auto found = exceptions.byHandle.find(element);
    if (found != exceptions.byHandle.end())
      return {document, pugi::xml_node(found->second)};
  }
  if (element & kIssued)
    return {};
  pugi::xml_node_struct* node = AddressOf(element);
  if (!exceptions.deleted.empty() && exceptions.deleted.count(node))
    return {};
  return {document, pugi::xml_node(node)};
}

QODOM_ELEMENT DocumentStore::HandleOf(Document& document, pugi::xml_node node)
{
  if (!node || node.type() != pugi::node_element)
    return 0;
  pugi::xml_node_struct* at = node.internal_object();
  const HandleExceptions& exceptions = document.handles;
  if (!exceptions.byNode.empty()) {
    const auto found = exceptions.byNode.find(at);
    if (found != exceptions.byNode.end())
      return found->second;
  }
  const QODOM_ELEMENT address = AddressHandle(document.id, at);
  if (address && (exceptions.deleted.empty() || !exceptions.deleted.count(at)))
    return address;
  return Issue(document, at);
}

QODOM_ELEMENT DocumentStore::Issue(Document& document, pugi::xml_node_struct* node)
{
  HandleExceptions& exceptions = document.handles;
  const QODOM_ELEMENT handle = kIssued | (QODOM_ELEMENT(document.id) << kAddressBits) | ++exceptions.issued;
  exceptions.byNode.emplace(node, handle);
  exceptions.byHandle.emplace(handle, node);
  return handle;
}

void DocumentStore::ForgetSubtree(Document& document, pugi::xml_node node)
{
  HandleExceptions& exceptions = document.handles;
  // An explicit stack: hostile files nest deeper than the call stack would allow.
  std::vector<pugi::xml_node> pending{node};
  while (!pending.empty()) {
    const pugi::xml_node current = pending.back();
    pending.pop_back();
    if (current.type() != pugi::node_element)
      continue;
    exceptions.deleted.insert(current.internal_object());
    if (!exceptions.byNode.empty())
      DropException(exceptions, current.internal_object());
    for (pugi::xml_node child : current.children())
      pending.push_back(child);
  }
}

void DocumentStore::Rebind(Document& document, QODOM_ELEMENT handle, pugi::xml_node node)
{
  if (handle == 0 || DocumentIdOf(handle) != document.id || !node)
    return;
  HandleExceptions& exceptions = document.handles;
  pugi::xml_node_struct* at = node.internal_object();
  DropException(exceptions, at);
  if (handle == AddressHandle(document.id, at)) {
    // The copy came back to the address the element had.
    exceptions.deleted.erase(at);
    return;
  }
  if (const auto stale = exceptions.byHandle.find(handle); stale != exceptions.byHandle.end())
    DropException(exceptions, stale->second);
  exceptions.byNode.emplace(at, handle);
  exceptions.byHandle.emplace(handle, at);
}
