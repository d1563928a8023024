#pragma once
// The journal of one document's changes in memory: every attribute set or removed and every node
// put into or taken out of the tree, in order, each with the cause that the caller named around
// it. Moving back through it undoes, moving forward redoes. A node taken out of the tree is kept
// as a detached copy, so the journal costs what changed, never the document.

#include "tavo/outside/QODOM.h"

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// Why a change was made; the material library names these around the user's actions.
enum class ChangeKind : std::uint8_t { kOther, kGridEdit, kRecalculation, kCopy, kDelete, kPriority };

struct ChangeCause {
  ChangeKind kind = ChangeKind::kOther;
  std::string object;        // the path of the object it concerns; "" for none
  std::uint64_t serial = 0;  // one per naming: two edits of the same object stay apart
};

// Changes made from now on carry this cause, until the matching PopChangeCause; causes nest.
void PushChangeCause(ChangeKind kind, std::string object);
void PopChangeCause();

// An attribute's text changed; a missing attribute is nullopt.
struct AttributeChange {
  QODOM_ELEMENT element = 0;
  std::string name;
  std::optional<std::string> before, after;
  std::uint32_t position = 0;  // its place among the element's attributes where it is present
};

// A node was put into the tree (`inserted`) or taken out of it.
struct NodeChange {
  QODOM_ELEMENT parent = 0;
  std::uint32_t fromEnd = 0;  // siblings after the node while it is in the tree
  QODOM_ELEMENT element = 0;  // the node's handle; 0 for text, comments and the like
  bool inserted = true;
  // While the node is out of the tree: its copy, and the handles of the elements below it by
  // their pre-order number, given back when it returns.
  pugi::xml_node kept;
  std::vector<std::pair<std::uint32_t, QODOM_ELEMENT>> handles;

  // The kept copy's tag and attribute ("" when the node is in the tree).
  const char* KeptTag() const { return kept.name(); }
  const char* KeptAttribute(const char* name) const { return kept.attribute(name).value(); }
};

struct JournalEntry {
  std::uint32_t cause = 0;  // index into Causes()
  std::variant<AttributeChange, NodeChange> change;
};

class DocumentJournal {
 public:
  DocumentJournal() = default;
  DocumentJournal(const DocumentJournal&) = delete;
  DocumentJournal& operator=(const DocumentJournal&) = delete;

  // Every entry: the first Position() hold in the document, the rest were undone.
  const std::vector<JournalEntry>& Entries() const { return m_entries; }
  std::size_t Position() const { return m_position; }
  const ChangeCause& CauseOf(const JournalEntry& entry) const { return m_causes[entry.cause]; }
  // The position at the last save (0: as opened); npos once a change made after an undo has
  // replaced the entries that led there.
  std::size_t SavedPosition() const { return m_saved; }
  void MarkSaved() { m_saved = m_position; }
  // Counts the times undone entries were dropped for new ones: a redo across that is impossible.
  std::uint64_t Generation() const { return m_generation; }
  // What the journal holds in memory: entries, texts, causes and the kept copies.
  std::size_t BytesHeld() const;

  // --- for the document's edits ---

  // Appends a change with the current cause, dropping the undone entries first. Nothing is
  // recorded while the journal itself replays.
  void Record(std::variant<AttributeChange, NodeChange> change);
  bool Replaying() const { return m_replaying; }
  // A copy of the node that stays out of the document until Release.
  pugi::xml_node Keep(pugi::xml_node node);
  void Release(pugi::xml_node& kept);

  // --- for replay ---
  JournalEntry& At(std::size_t index) { return m_entries[index]; }
  void SetPosition(std::size_t position) { m_position = position; }
  // Recording is off while it lives.
  class Replay {
   public:
    explicit Replay(DocumentJournal& journal) : m_journal(journal) { m_journal.m_replaying = true; }
    ~Replay() { m_journal.m_replaying = false; }
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

   private:
    DocumentJournal& m_journal;
  };

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

 private:
  void DropUndone();
  std::uint32_t CurrentCauseIndex();

  std::vector<JournalEntry> m_entries;
  std::vector<ChangeCause> m_causes;
  std::size_t m_position = 0;
  std::size_t m_saved = 0;
  std::uint64_t m_generation = 0;
  bool m_replaying = false;
  pugi::xml_document m_attic;  // the kept copies
};
