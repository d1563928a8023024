#include "tavo/outside/DocumentEdits.h"

#include "tavo/outside/PreOrder.h"

#include <cstring>
#include <optional>

namespace {

DocumentStore& Store()
{
  return DocumentStore::Instance();
}

std::uint32_t AttributePosition(pugi::xml_node element, pugi::xml_attribute wanted)
{
  std::uint32_t position = 0;
  for (pugi::xml_attribute attribute = element.first_attribute(); attribute && attribute != wanted;
       attribute = attribute.next_attribute())
    ++position;
  return position;
}

std::uint32_t SiblingsAfter(pugi::xml_node node)
{
  std::uint32_t count = 0;
  for (pugi::xml_node after = node.next_sibling(); after; after = after.next_sibling())
    ++count;
  return count;
}

// The child of `parent` with `fromEnd` siblings after it; empty when there are fewer children.
pugi::xml_node ChildFromEnd(pugi::xml_node parent, std::uint32_t fromEnd)
{
  pugi::xml_node child = parent.last_child();
  for (std::uint32_t step = 0; child && step < fromEnd; ++step)
    child = child.previous_sibling();
  return child;
}

// Gives the attribute the text, or removes it for nullopt; a new attribute goes to `position`.
// The parent's index by that attribute follows.
void ApplyAttribute(Document& document, pugi::xml_node element, const char* name,
                    const std::optional<std::string>& text, std::uint32_t position)
{
  ++document.edits;
  pugi::xml_attribute attribute = element.attribute(name);
  const std::optional<std::string> before =
      attribute ? std::optional<std::string>(attribute.value()) : std::optional<std::string>();
  if (!text) {
    element.remove_attribute(attribute);
  } else if (!attribute) {
    pugi::xml_attribute at = element.first_attribute();
    for (std::uint32_t step = 0; at && step < position; ++step)
      at = at.next_attribute();
    (at ? element.insert_attribute_before(name, at) : element.append_attribute(name)).set_value(text->c_str());
  } else {
    attribute.set_value(text->c_str());
  }
  if (document.indexes.Watches(name))
    document.indexes.AttributeChanged(element, name, before ? before->c_str() : nullptr);
}

// Takes the node out of the tree into the change's kept copy.
void TakeOut(Document& document, pugi::xml_node node, NodeChange& change)
{
  ++document.edits;
  change.kept = document.journal.Keep(node);
  change.handles.clear();
  std::uint32_t number = 0;
  // Every element may have been named, since a handle needs no request to exist.
  ForEachInPreOrder(node, [&](pugi::xml_node each) {
    if (const QODOM_ELEMENT handle = Store().HandleOf(document, each))
      change.handles.emplace_back(number, handle);
    ++number;
  });
  if (node.type() == pugi::node_element)
    document.indexes.SubtreeRemoving(node);
  Store().ForgetSubtree(document, node);
  node.parent().remove_child(node);
}

// Puts the kept copy back where it was taken from, with its handles.
bool PutBack(Document& document, NodeChange& change)
{
  pugi::xml_node parent = Store().Node(change.parent);
  if (!parent || !change.kept)
    return false;
  ++document.edits;
  const pugi::xml_node before = change.fromEnd == 0 ? pugi::xml_node() : ChildFromEnd(parent, change.fromEnd - 1);
  const pugi::xml_node node = before ? parent.insert_copy_before(change.kept, before) : parent.append_copy(change.kept);
  auto next = change.handles.begin();
  std::uint32_t number = 0;
  ForEachInPreOrder(node, [&](pugi::xml_node each) {
    if (next != change.handles.end() && next->first == number++)
      Store().Rebind(document, (next++)->second, each);
  });
  document.indexes.ChildInserted(parent, node);
  document.journal.Release(change.kept);
  change.handles.clear();
  return true;
}

bool TakeOutAgain(Document& document, NodeChange& change)
{
  const pugi::xml_node node = ChildFromEnd(Store().Node(change.parent), change.fromEnd);
  if (!node)
    return false;
  TakeOut(document, node, change);
  return true;
}

// Replays one entry: `forwards` redoes it, otherwise it is undone.
void Replay(Document& document, JournalEntry& entry, bool forwards)
{
  if (auto* attribute = std::get_if<AttributeChange>(&entry.change)) {
    const pugi::xml_node element = Store().Node(attribute->element);
    if (element)
      ApplyAttribute(document, element, attribute->name.c_str(), forwards ? attribute->after : attribute->before,
                     attribute->position);
    return;
  }
  NodeChange& node = std::get<NodeChange>(entry.change);
  if (node.inserted == forwards)
    PutBack(document, node);
  else
    TakeOutAgain(document, node);
}

}  // namespace

void SetAttribute(Document& document, pugi::xml_node element, const char* name, const char* text)
{
  const pugi::xml_attribute attribute = element.attribute(name);
  if (attribute && std::strcmp(attribute.value(), text) == 0)
    return;
  AttributeChange change{Store().HandleOf(document, element), name,
                         attribute ? std::optional<std::string>(attribute.value()) : std::nullopt, std::string(text),
                         AttributePosition(element, attribute)};
  ApplyAttribute(document, element, name, std::string(text), change.position);
  document.journal.Record(std::move(change));
}

void RemoveAttribute(Document& document, pugi::xml_node element, const char* name)
{
  const pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute)
    return;
  AttributeChange change{Store().HandleOf(document, element), name, std::string(attribute.value()), std::nullopt,
                         AttributePosition(element, attribute)};
  ApplyAttribute(document, element, name, std::nullopt, change.position);
  document.journal.Record(std::move(change));
}

void NodeInserted(Document& document, pugi::xml_node node)
{
  const pugi::xml_node parent = node.parent();
  ++document.edits;
  document.indexes.ChildInserted(parent, node);
  if (document.journal.Replaying())
    return;
  NodeChange change;
  change.parent = Store().HandleOf(document, parent);
  change.fromEnd = SiblingsAfter(node);
  change.element = Store().HandleOf(document, node);
  change.inserted = true;
  document.journal.Record(std::move(change));
}

void RemoveNode(Document& document, pugi::xml_node node)
{
  NodeChange change;
  change.parent = Store().HandleOf(document, node.parent());
  change.fromEnd = SiblingsAfter(node);
  change.element = Store().HandleOf(document, node);
  change.inserted = false;
  TakeOut(document, node, change);
  document.journal.Record(std::move(change));
}

bool MoveJournalTo(Document& document, std::size_t position)
{
  DocumentJournal& journal = document.journal;
  if (position > journal.Entries().size())
    return false;
  const DocumentJournal::Replay replaying(journal);
  while (journal.Position() > position) {
    Replay(document, journal.At(journal.Position() - 1), false);
    journal.SetPosition(journal.Position() - 1);
  }
  while (journal.Position() < position) {
    Replay(document, journal.At(journal.Position()), true);
    journal.SetPosition(journal.Position() + 1);
  }
  return true;
}
