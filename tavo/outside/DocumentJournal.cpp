#include "tavo/outside/DocumentJournal.h"

#include "tavo/outside/PreOrder.h"

#include <cstring>

namespace {

// The causes named now, innermost last; serial 0 is "no cause named".
std::vector<ChangeCause> g_causes;
std::uint64_t g_nextSerial = 1;

const ChangeCause& CurrentCause()
{
  static const ChangeCause none;
  return g_causes.empty() ? none : g_causes.back();
}

// pugixml's node and attribute records: eight and five pointers.
constexpr std::size_t kNodeRecord = 8 * sizeof(void*);
constexpr std::size_t kAttributeRecord = 5 * sizeof(void*);

std::size_t TextBytes(const char* text)
{
  return *text ? std::strlen(text) + 1 : 0;
}

std::size_t HeapBytes(const std::string& text)
{
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

std::size_t SubtreeBytes(pugi::xml_node root)
{
  std::size_t bytes = 0;
  ForEachInPreOrder(root, [&bytes](pugi::xml_node node) {
    bytes += kNodeRecord + TextBytes(node.name()) + TextBytes(node.value());
    for (pugi::xml_attribute attribute : node.attributes())
      bytes += kAttributeRecord + TextBytes(attribute.name()) + TextBytes(attribute.value());
  });
  return bytes;
}

struct EntryBytes {
  std::size_t operator()(const AttributeChange& change) const
  {
    return HeapBytes(change.name) + (change.before ? HeapBytes(*change.before) : 0) +
           (change.after ? HeapBytes(*change.after) : 0);
  }
  std::size_t operator()(const NodeChange& change) const
  {
    return change.handles.capacity() * sizeof(change.handles[0]) + (change.kept ? SubtreeBytes(change.kept) : 0);
  }
};

}  // namespace

void PushChangeCause(ChangeKind kind, std::string object)
{
  g_causes.push_back(ChangeCause{kind, std::move(object), g_nextSerial++});
}

void PopChangeCause()
{
  if (!g_causes.empty())
    g_causes.pop_back();
}

// --- public operations ---

std::size_t DocumentJournal::BytesHeld() const
{
  std::size_t bytes =
      sizeof(*this) + m_entries.capacity() * sizeof(JournalEntry) + m_causes.capacity() * sizeof(ChangeCause);
  for (const JournalEntry& entry : m_entries)
    bytes += std::visit(EntryBytes{}, entry.change);
  for (const ChangeCause& cause : m_causes)
    bytes += HeapBytes(cause.object);
  return bytes;
}

void DocumentJournal::Record(std::variant<AttributeChange, NodeChange> change)
{
  if (m_replaying)
    return;
  DropUndone();
  m_entries.push_back(JournalEntry{CurrentCauseIndex(), std::move(change)});
  m_position = m_entries.size();
}

pugi::xml_node DocumentJournal::Keep(pugi::xml_node node)
{
  return m_attic.append_copy(node);
}

void DocumentJournal::Release(pugi::xml_node& kept)
{
  if (kept)
    m_attic.remove_child(kept);
  kept = pugi::xml_node();
}

// --- private helpers ---

// A change after an undo replaces what was undone: the entries that led past the position, and
// the copies they kept, go.
void DocumentJournal::DropUndone()
{
  if (m_position == m_entries.size())
    return;
  for (std::size_t index = m_position; index < m_entries.size(); ++index)
    if (auto* node = std::get_if<NodeChange>(&m_entries[index].change))
      Release(node->kept);
  m_entries.resize(m_position);
  m_causes.resize(m_entries.empty() ? 0 : m_entries.back().cause + 1);
  if (m_saved != npos && m_saved > m_position)
    m_saved = npos;
  ++m_generation;
}

std::uint32_t DocumentJournal::CurrentCauseIndex()
{
  const ChangeCause& cause = CurrentCause();
  if (m_causes.empty() || m_causes.back().serial != cause.serial)
    m_causes.push_back(cause);
  return static_cast<std::uint32_t>(m_causes.size() - 1);
}
