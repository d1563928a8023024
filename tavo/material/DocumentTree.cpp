#include "tavo/material/DocumentTree.h"

#include "tavo/material/MaterialPath.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/DocumentBase.h"

#include <algorithm>
#include <cstring>

using namespace vocabulary;

namespace {

std::string NameOf(QODOM_ELEMENT element, const std::string& tag)
{
  return QODOM_GetString(element, tag == kEigenschaft ? kKurzname : kName);
}

bool IsLevelTag(const std::string& tag)
{
  return std::any_of(std::begin(kLevelElements), std::end(kLevelElements),
                     [&](const char* level) { return tag == level; });
}

// The rank of an attribute in the written order; those the vocabulary does not name come last.
int Rank(const std::string& name)
{
  static const std::vector<std::string> order = [] {
    std::vector<std::string> names{kKurzname, kName, kPrioritaet, kFormel};
    for (int column = 1; column <= kValueColumns; ++column)
      names.push_back(ValueAttribute(column));
    names.insert(names.end(), {kDimension, kEinheit});
    return names;
  }();
  const auto found = std::find(order.begin(), order.end(), name);
  return static_cast<int>(found - order.begin());
}

}  // namespace

const TreeElement* TreeElement::Child(const ElementKey& key) const
{
  const auto found = m_byKey.find(key);
  return found == m_byKey.end() ? nullptr : &children[found->second];
}

TreeElement ReadTree(QODOM_ELEMENT root)
{
  TreeElement tree;
  tree.element = root;
  tree.key.tag = QODOM_GetTagName(root);
  tree.key.name = NameOf(root, tree.key.tag);
  for (auto& [name, text] : QODOM_GetAttributes(root))
    tree.attributes[name] = std::move(text);
  std::map<std::pair<std::string, std::string>, int> seen;
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(root); child; child = QODOM_GetNextSiblingElement(child)) {
    TreeElement sub = ReadTree(child);
    sub.key.occurrence = seen[{sub.key.tag, sub.key.name}]++;
    tree.m_byKey.emplace(sub.key, tree.children.size());
    tree.children.push_back(std::move(sub));
  }
  return tree;
}

bool SameContent(const TreeElement& a, const TreeElement& b)
{
  if (a.attributes != b.attributes || a.children.size() != b.children.size())
    return false;
  return std::all_of(a.children.begin(), a.children.end(), [&](const TreeElement& child) {
    const TreeElement* other = b.Child(child.key);
    return other && SameContent(child, *other);
  });
}

std::optional<std::string> AttributeOf(const TreeElement& element, const std::string& name)
{
  const auto found = element.attributes.find(name);
  return found == element.attributes.end() ? std::nullopt : std::optional<std::string>(found->second);
}

QODOM_ELEMENT FindElement(QODOM_ELEMENT root, const ElementPath& path)
{
  QODOM_ELEMENT element = root;
  for (const ElementKey& key : path) {
    QODOM_ELEMENT child = QODOM_GetFirstChildElement(element);
    for (int seen = 0; child; child = QODOM_GetNextSiblingElement(child)) {
      if (QODOM_GetTagName(child) == key.tag && NameOf(child, key.tag) == key.name && seen++ == key.occurrence)
        break;
    }
    if (!child)
      return 0;
    element = child;
  }
  return element;
}

std::string PathText(const ElementPath& path)
{
  std::vector<std::string> levels;
  std::string tail;
  for (const ElementKey& key : path) {
    const std::string name = key.occurrence ? key.name + "#" + std::to_string(key.occurrence + 1) : key.name;
    if (tail.empty() && IsLevelTag(key.tag))
      levels.push_back(name);
    else if (key.tag == kEigenschaft)
      tail += " [" + name + "]";
    else
      tail += " <" + key.tag + (name.empty() ? "" : " " + name) + ">";
  }
  return (levels.empty() ? std::string("/") : CMaterialPath(levels).Text()) + tail;
}

std::string AttributesText(const AttributeMap& attributes)
{
  std::vector<std::pair<std::string, std::string>> ordered(attributes.begin(), attributes.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto& a, const auto& b) { return Rank(a.first) < Rank(b.first); });
  std::string text;
  for (const auto& [name, value] : ordered)
    text += (text.empty() ? "" : " ") + name + "=\"" + value + "\"";
  return text;
}
