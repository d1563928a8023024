#include "tavo/material/DocumentDiff.h"

#include "tavo/material/Vocabulary.h"

#include <set>

using namespace vocabulary;

namespace {

void DiffElement(const TreeElement& a, const TreeElement& b, ElementPath& path, std::vector<DiffEntry>& entries)
{
  std::set<std::string> names;
  for (const auto* element : {&a, &b})
    for (const auto& [name, text] : element->attributes)
      names.insert(name);
  for (const std::string& name : names) {
    const std::optional<std::string> before = AttributeOf(a, name), after = AttributeOf(b, name);
    if (before == after)
      continue;
    const bool moved = name == kPrioritaet && a.key.tag != kEigenschaft;
    entries.push_back({moved ? DiffEntry::kMoved : DiffEntry::kChanged, path, name, before, after, {}});
  }
  for (const TreeElement& child : a.children) {
    path.push_back(child.key);
    if (const TreeElement* other = b.Child(child.key))
      DiffElement(child, *other, path, entries);
    else
      entries.push_back({DiffEntry::kRemoved, path, {}, {}, {}, child.attributes});
    path.pop_back();
  }
  for (const TreeElement& child : b.children) {
    if (a.Child(child.key))
      continue;
    path.push_back(child.key);
    entries.push_back({DiffEntry::kAdded, path, {}, {}, {}, child.attributes});
    path.pop_back();
  }
}

std::string Quoted(const std::optional<std::string>& text)
{
  return text ? "\"" + *text + "\"" : "(none)";
}

void List(const TreeElement& element, ElementPath& path, std::string& text)
{
  text += std::string(2 * path.size(), ' ') + PathText(path) + "  " + AttributesText(element.attributes) + "\n";
  for (const TreeElement& child : element.children) {
    path.push_back(child.key);
    List(child, path, text);
    path.pop_back();
  }
}

}  // namespace

std::vector<DiffEntry> DiffDocuments(const TreeElement& a, const TreeElement& b)
{
  std::vector<DiffEntry> entries;
  ElementPath path;
  DiffElement(a, b, path, entries);
  return entries;
}

std::string DiffText(const std::vector<DiffEntry>& entries)
{
  std::string text;
  for (const DiffEntry& entry : entries) {
    static const char* const kSigns[] = {"+ ", "- ", "~ ", "> "};
    text += kSigns[entry.kind] + PathText(entry.path) + "  ";
    if (entry.kind == DiffEntry::kAdded || entry.kind == DiffEntry::kRemoved)
      text += AttributesText(entry.attributes);
    else
      text += entry.attribute + ": " + Quoted(entry.before) + " -> " + Quoted(entry.after);
    text += "\n";
  }
  return text;
}

std::string TreeListing(const TreeElement& root)
{
  std::string text;
  ElementPath path;
  List(root, path, text);
  return text;
}
