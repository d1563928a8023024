#include "tavo/outside/QODOM.h"

#include "tavo/outside/DocumentEdits.h"
#include "tavo/outside/DocumentStore.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

DocumentStore& Store()
{
  return DocumentStore::Instance();
}

pugi::xml_node Node(QODOM_ELEMENT element)
{
  return Store().Node(element);
}

// The handle of a node of the same document as `relative`.
QODOM_ELEMENT HandleBeside(QODOM_ELEMENT relative, pugi::xml_node node)
{
  Document* document = Store().DocumentOf(relative);
  return document ? Store().HandleOf(*document, node) : 0;
}

bool IsBlank(pugi::xml_node node)
{
  if (node.type() != pugi::node_pcdata)
    return false;
  const char* text = node.value();
  return text[std::strspn(text, " \t\r\n")] == '\0';
}

int Depth(pugi::xml_node node)
{
  int depth = 0;
  for (pugi::xml_node up = node.parent(); up && up.type() == pugi::node_element; up = up.parent())
    ++depth;
  return depth;
}

// Keeps an indented file indented: the new child gets the white space that precedes its
// siblings, or two blanks per level when the parent has no element children yet. Every node put
// in is recorded.
pugi::xml_node AppendIndented(Document& document, pugi::xml_node parent, const char* tag)
{
  const std::string inner = "\n" + std::string(2 * (Depth(parent) + 1), ' ');
  const std::string outer = "\n" + std::string(2 * Depth(parent), ' ');
  const auto inserted = [&document](pugi::xml_node node) {
    NodeInserted(document, node);
    return node;
  };
  pugi::xml_node last = parent.last_child();
  if (!last) {
    pugi::xml_node before = parent.append_child(pugi::node_pcdata);
    before.set_value(inner.c_str());
    inserted(before);
    pugi::xml_node child = inserted(parent.append_child(tag));
    pugi::xml_node after = parent.append_child(pugi::node_pcdata);
    after.set_value(outer.c_str());
    inserted(after);
    return child;
  }
  if (!IsBlank(last))
    return inserted(parent.append_child(tag));
  pugi::xml_node firstElement;
  for (pugi::xml_node child : parent.children())
    if (child.type() == pugi::node_element) {
      firstElement = child;
      break;
    }
  const pugi::xml_node before = firstElement ? firstElement.previous_sibling() : pugi::xml_node();
  const std::string separator = before && IsBlank(before) ? before.value() : inner;
  pugi::xml_node blank = parent.insert_child_before(pugi::node_pcdata, last);
  blank.set_value(separator.c_str());
  inserted(blank);
  return inserted(parent.insert_child_before(tag, last));
}

// A find walks this many sibling nodes before it indexes their parent: short lists are walked
// faster than hashed, long ones would make every walk over all of them quadratic.
constexpr int kWalkBeforeIndexing = 32;

// The "attribute" that stands for the tag in the finds below.
constexpr const char* kByTag = "";

// Finds return elements only: a processing instruction named like a tag (`<?Objekt x?>`) is
// neither found nor ends a walk over the elements of that tag.
bool Matches(pugi::xml_node child, const char* attribute, const char* text)
{
  if (child.type() != pugi::node_element)
    return false;
  if (*attribute == '\0')
    return *text != '\0' && std::strcmp(child.name(), text) == 0;
  const pugi::xml_attribute found = child.attribute(attribute);
  return found && std::strcmp(found.value(), text) == 0;
}

// The first child of `parent` after `after` (from the first child when `after` is empty) whose
// attribute equals `text`, or whose tag does with kByTag. A short walk looks at the siblings
// themselves; a long one indexes the parent, and the index answers this find and every later one.
pugi::xml_node FindChild(Document& document, pugi::xml_node parent, pugi::xml_node after, const char* attribute,
                         const char* text)
{
  ChildIndex* index = document.indexes.Find(parent, attribute);
  int walked = 0;
  for (pugi::xml_node child = after ? after.next_sibling() : parent.first_child(); child && !index;
       child = child.next_sibling()) {
    if (Matches(child, attribute, text))
      return child;
    if (++walked == kWalkBeforeIndexing)
      index = &document.indexes.Build(parent, attribute);
  }
  if (!index)
    return {};
  return after ? index->After(after, text) : index->First(text);
}

// The children of `parent` with that tag: a short list walked, a long one read from the parent's
// index by tag (built here as a find would build it), without walking past the text between the
// children and the children of other tags.
std::vector<pugi::xml_node> ChildrenWithTag(Document& document, pugi::xml_node parent, const char* tag)
{
  ChildIndex* index = document.indexes.Find(parent, kByTag);
  std::vector<pugi::xml_node> children;
  int walked = 0;
  for (pugi::xml_node child = parent.first_child(); child && !index; child = child.next_sibling()) {
    if (Matches(child, kByTag, tag))
      children.push_back(child);
    if (++walked == kWalkBeforeIndexing)
      index = &document.indexes.Build(parent, kByTag);
  }
  return index ? index->All(tag) : children;
}

enum FindStart { kFirstChild, kNextSibling };

// The find of the four entry points: among the children of `element`, or among the siblings after
// it; the handle of the match, 0 for none or for a dead handle.
QODOM_ELEMENT FindFrom(QODOM_ELEMENT element, FindStart start, const char* attribute, const char* text)
{
  const LocatedElement located = Store().Locate(element);
  if (!located)
    return 0;
  const bool next = start == kNextSibling;
  const pugi::xml_node found = FindChild(*located.document, next ? located.node.parent() : located.node,
                                         next ? located.node : pugi::xml_node(), attribute, text);
  return Store().HandleOf(*located.document, found);
}

}  // namespace

QODOM_ELEMENT QODOM_FindFirstChild(QODOM_ELEMENT element, const char* tag)
{
  return FindFrom(element, kFirstChild, kByTag, tag);
}

QODOM_ELEMENT QODOM_FindNextChild(QODOM_ELEMENT element, const char* tag)
{
  return FindFrom(element, kNextSibling, kByTag, tag);
}

QODOM_ELEMENT QODOM_FindFirstChildWithAttr(QODOM_ELEMENT element, const char* name, const char* value)
{
  return FindFrom(element, kFirstChild, name, value);
}

QODOM_ELEMENT QODOM_FindNextChildWithAttr(QODOM_ELEMENT element, const char* name, const char* value)
{
  return FindFrom(element, kNextSibling, name, value);
}

std::vector<QODOM_ELEMENT> QODOM_GetChildren(QODOM_ELEMENT element, const char* tag)
{
  std::vector<QODOM_ELEMENT> handles;
  const LocatedElement located = Store().Locate(element);
  if (!located || !*tag)
    return handles;
  const std::vector<pugi::xml_node> children = ChildrenWithTag(*located.document, located.node, tag);
  handles.reserve(children.size());
  for (pugi::xml_node child : children)
    handles.push_back(Store().HandleOf(*located.document, child));
  return handles;
}

QODOM_ELEMENT QODOM_GetFirstChildElement(QODOM_ELEMENT element)
{
  const pugi::xml_node node = Node(element);
  if (!node)
    return 0;
  pugi::xml_node child = node.first_child();
  while (child && child.type() != pugi::node_element)
    child = child.next_sibling();
  return HandleBeside(element, child);
}

QODOM_ELEMENT QODOM_GetNextSiblingElement(QODOM_ELEMENT element)
{
  const pugi::xml_node node = Node(element);
  if (!node)
    return 0;
  pugi::xml_node sibling = node.next_sibling();
  while (sibling && sibling.type() != pugi::node_element)
    sibling = sibling.next_sibling();
  return HandleBeside(element, sibling);
}

QODOM_ELEMENT QODOM_GetParentElement(QODOM_ELEMENT element)
{
  const pugi::xml_node node = Node(element);
  return node ? HandleBeside(element, node.parent()) : 0;
}

const char* QODOM_GetTagName(QODOM_ELEMENT element)
{
  return Node(element).name();
}

const char* QODOM_GetString(QODOM_ELEMENT element, const char* name)
{
  return Node(element).attribute(name).value();
}

void QODOM_SetString(QODOM_ELEMENT element, const char* name, const char* text)
{
  if (const LocatedElement located = Store().Locate(element))
    SetAttribute(*located.document, located.node, name, text);
}

int QODOM_GetInt(QODOM_ELEMENT element, const char* name)
{
  const int64_t value = ReadLeadingInteger(QODOM_GetString(element, name));
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void QODOM_SetInt(QODOM_ELEMENT element, const char* name, int value)
{
  QODOM_SetString(element, name, std::to_string(value).c_str());
}

void QODOM_DeleteAttr(QODOM_ELEMENT element, const char* name)
{
  if (const LocatedElement located = Store().Locate(element))
    RemoveAttribute(*located.document, located.node, name);
}

bool QODOM_HasAttr(QODOM_ELEMENT element, const char* name)
{
  return static_cast<bool>(Node(element).attribute(name));
}

QODOM_ELEMENT QODOM_AddChildElement(QODOM_ELEMENT parent, const char* tag)
{
  const LocatedElement located = Store().Locate(parent);
  if (!located)
    return 0;
  return Store().HandleOf(*located.document, AppendIndented(*located.document, located.node, tag));
}

void QODOM_CloneElementTree(QODOM_ELEMENT source, QODOM_ELEMENT target)
{
  const pugi::xml_node from = Node(source);
  LocatedElement to = Store().Locate(target);
  if (!from || !to || from == to.node)
    return;
  for (pugi::xml_attribute attribute : from.attributes())
    SetAttribute(*to.document, to.node, attribute.name(), attribute.value());
  // Copy the children first: the target may lie below the source.
  std::vector<pugi::xml_node> children(from.children().begin(), from.children().end());
  for (pugi::xml_node child : children)
    NodeInserted(*to.document, to.node.append_copy(child));
}

void QODOM_DeleteElement(QODOM_ELEMENT element)
{
  Document* document = Store().DocumentOf(element);
  pugi::xml_node node = Node(element);
  if (!document || !node || node == document->xml.document_element())
    return;
  const pugi::xml_node before = node.previous_sibling();
  if (before && IsBlank(before))
    RemoveNode(*document, before);
  RemoveNode(*document, node);
}

QODOM_DOCUMENT QODOM_GetDocument(QODOM_ELEMENT element)
{
  const Document* document = Store().DocumentOf(element);
  return document ? document->id : 0;
}
