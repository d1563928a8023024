// Finds by attribute or by tag among many siblings go through an index of the parent; every edit
// of the document library must keep it telling what a walk over the siblings tells: the first or
// next child in document order (of any tag, for an attribute) whose attribute or tag equals the
// text exactly.

#include "tavo/outside/QODOM.h"
#include "tests/support/ParsedDocument.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Elements = std::vector<QODOM_ELEMENT>;
constexpr const char* kByTag = nullptr;

Elements Children(QODOM_ELEMENT parent)
{
  Elements children;
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(parent); child; child = QODOM_GetNextSiblingElement(child))
    children.push_back(child);
  return children;
}

bool Matches(QODOM_ELEMENT child, const char* name, const std::string& value)
{
  return name ? QODOM_HasAttr(child, name) && QODOM_GetString(child, name) == value : QODOM_GetTagName(child) == value;
}

// What a walk finds: the children after `from` (every child when 0) whose attribute `name`, or
// whose tag with kByTag, equals `value`.
Elements Walked(QODOM_ELEMENT parent, const char* name, const std::string& value, QODOM_ELEMENT from = 0)
{
  Elements found;
  bool after = from == 0;
  for (QODOM_ELEMENT child : Children(parent)) {
    if (after && Matches(child, name, value))
      found.push_back(child);
    after = after || child == from;
  }
  return found;
}

// What the finds return: the first (or the next after `from`), then next after next.
Elements Found(QODOM_ELEMENT parent, const char* name, const std::string& value, QODOM_ELEMENT from = 0)
{
  const char* text = value.c_str();
  const auto next = [&](QODOM_ELEMENT e) {
    return name ? QODOM_FindNextChildWithAttr(e, name, text) : QODOM_FindNextChild(e, text);
  };
  Elements found;
  QODOM_ELEMENT child = from   ? next(from)
                        : name ? QODOM_FindFirstChildWithAttr(parent, name, text)
                               : QODOM_FindFirstChild(parent, text);
  for (; child; child = next(child))
    found.push_back(child);
  return found;
}

// A code of `count` children named by `name(i)` and numbered by Nr; every fifth is a Notiz, the
// rest are Objekte. A comment and instructions named like the tags stand in the middle.
template <typename Name>
std::string ManyChildren(int count, Name name)
{
  std::string xml = "<Materialdatei>\n  <Norm Name=\"EC2\">\n";
  for (int i = 0; i < count; ++i) {
    const char* tag = i % 5 == 4 ? "Notiz" : "Objekt";
    xml += std::string("    <") + tag + " Name=\"" + name(i) + "\" Nr=\"" + std::to_string(i) + "\"/>\n";
    if (i == count / 2)
      xml += "    <!-- c --><?Objekt x?><?Notiz x?>\n";
  }
  return xml + "  </Norm>\n</Materialdatei>\n";
}

std::string Numbered(int i)
{
  return "C" + std::to_string(i) + "/" + std::to_string(i + 7);
}

}  // namespace

TEST(ChildIndex, FindsExactlyAndInDocumentOrderInALongList)
{
  // Names 0 to 89 once, then 0 to 9 again; children 4, 9, ... are Notiz elements.
  ParsedDoc doc(ManyChildren(100, [](int i) { return Numbered(i % 90); }));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  const Elements children = Children(norm);
  ASSERT_EQ(children.size(), 100u);
  const struct {
    const char* name;  // kByTag: by tag
    std::string value;
    int from;                  // index of the child the find starts after; -1 for the first find
    std::vector<int> indexes;  // the children found, in order
  } rows[] = {
      {"Name", Numbered(89), -1, {89}},  // far first, so that the walk indexes the parent
      {"Name", Numbered(0), -1, {0, 90}},
      {"Name", Numbered(4), -1, {4, 94}},   // Notiz elements are found by attribute too
      {"Name", "c0/7", -1, {}},             // exact comparison
      {"Name", Numbered(0) + " ", -1, {}},  // no trimming
      {"Nr", "50", -1, {50}},               // any attribute
      {"Name", Numbered(80), 3, {80}},
      {"Name", Numbered(5), 5, {95}},
      {kByTag, "Objekt", 97, {98}},
      {kByTag, "Notiz", 90, {94, 99}},
      {kByTag, "Fehlt", -1, {}},
  };
  for (const auto& row : rows) {
    const QODOM_ELEMENT from = row.from < 0 ? 0 : children[std::size_t(row.from)];
    Elements expected;
    for (int i : row.indexes)
      expected.push_back(children[std::size_t(i)]);
    EXPECT_EQ(Found(norm, row.name, row.value, from), expected) << row.value << " after " << row.from;
  }
  // The instructions named like the tags are no elements and hide none.
  EXPECT_EQ(Found(norm, kByTag, "Objekt").size(), 80u);
  EXPECT_EQ(Found(norm, kByTag, "Notiz"), Walked(norm, kByTag, "Notiz"));
}

// Random edits on two long codes with few names: after each, every find equals the walk.
TEST(ChildIndex, RandomEditsAgreeWithTheWalk)
{
  const std::vector<std::string> names{"A", "B", "C", "D", "Ä", ""};
  std::mt19937 random(20240601);
  const auto any = [&](const auto& list) { return list[random() % list.size()]; };
  ParsedDoc doc(ManyChildren(80, [&](int) { return any(names); }));
  QODOM_ELEMENT codes[2] = {QODOM_FindFirstChild(doc.root, "Norm"), QODOM_AddChildElement(doc.root, "Norm")};
  for (int step = 0; step < 400; ++step) {
    QODOM_ELEMENT& code = codes[random() % 2];
    const Elements children = Children(code);
    const QODOM_ELEMENT some = children.empty() ? 0 : any(children);
    const std::string& name = any(names);
    switch (random() % 9) {
      case 0: QODOM_SetString(some, "Name", name.c_str()); break;
      case 1:
        if (children.size() > 40)
          QODOM_DeleteElement(some);
        break;
      case 2:
        QODOM_SetString(QODOM_AddChildElement(code, random() % 2 ? "Objekt" : "Notiz"), "Name", name.c_str());
        break;
      case 3:
        if (some)
          QODOM_CloneElementTree(any(children), some);  // an existing child takes another's attributes
        break;
      case 4: QODOM_DeleteAttr(some, "Name"); break;
      case 5: QODOM_CloneElementTree(some, QODOM_AddChildElement(code, "Objekt")); break;
      case 6:
        if (children.size() < 150)
          QODOM_CloneElementTree(codes[0] == code ? codes[1] : codes[0], code);  // appends the other's children
        break;
      case 7:
        if (step % 4 == 0) {
          // A deleted parent leaves nothing behind; a new one must not inherit its index.
          const QODOM_ELEMENT gone = code;
          QODOM_DeleteElement(gone);
          ASSERT_EQ(QODOM_FindFirstChildWithAttr(gone, "Name", name.c_str()), 0u);
          ASSERT_EQ(QODOM_FindFirstChild(gone, "Objekt"), 0u);
          code = QODOM_AddChildElement(doc.root, "Norm");
        }
        break;
      case 8:
        for (int i = 0; i < 40; ++i)
          QODOM_SetString(QODOM_AddChildElement(code, "Objekt"), "Name", any(names).c_str());
        break;
    }
    for (const QODOM_ELEMENT checked : codes) {
      const Elements now = Children(checked);
      const QODOM_ELEMENT from = now.empty() ? 0 : any(now);
      const auto agree = [&](const char* attribute, const std::string& value) {
        ASSERT_EQ(Found(checked, attribute, value), Walked(checked, attribute, value))
            << "step " << step << " " << value;
        ASSERT_EQ(Found(checked, attribute, value, from), Walked(checked, attribute, value, from)) << "step " << step;
      };
      for (const std::string& value : names)
        agree("Name", value);
      agree(kByTag, "Objekt");
      agree(kByTag, "Notiz");
    }
  }
}
