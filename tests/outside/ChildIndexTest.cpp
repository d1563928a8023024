// Finds by attribute among many siblings go through an index of the parent; every edit of the
// document library must keep it telling the same as a walk over the siblings would: the first or
// next child in document order, of any tag, whose attribute equals the text exactly.

#include "tavo/outside/QODOM.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A document that closes itself at the end of the test.
struct ParsedDoc {
  explicit ParsedDoc(const std::string& text)
  {
    std::string error;
    root = QODOM_ParseDoc(text, "/nonexistent/index.xml", error);
    EXPECT_NE(root, 0u) << error;
  }
  ~ParsedDoc() { QODOM_CloseDoc(root); }
  QODOM_ELEMENT root = 0;
};

// A code with `count` objects named by `name(i)`; every fifth is a Notiz, so tags are mixed.
template <typename Name>
std::string ManyChildren(int count, Name name)
{
  std::string xml = "<Materialdatei>\n  <Norm Name=\"EC2\">\n";
  for (int i = 0; i < count; ++i) {
    const char* tag = i % 5 == 4 ? "Notiz" : "Objekt";
    xml += std::string("    <") + tag + " Name=\"" + name(i) + "\" Nr=\"" + std::to_string(i) + "\"/>\n";
  }
  return xml + "  </Norm>\n</Materialdatei>\n";
}

// What a walk over the element children finds: every child with the attribute equal to `value`.
std::vector<QODOM_ELEMENT> Walked(QODOM_ELEMENT parent, const char* name, const std::string& value)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(parent); child; child = QODOM_GetNextSiblingElement(child))
    if (QODOM_HasAttr(child, name) && QODOM_GetString(child, name) == value)
      found.push_back(child);
  return found;
}

// What the finds return, first and then next after next.
std::vector<QODOM_ELEMENT> Found(QODOM_ELEMENT parent, const char* name, const std::string& value)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT child = QODOM_FindFirstChildWithAttr(parent, name, value.c_str()); child;
       child = QODOM_FindNextChildWithAttr(child, name, value.c_str()))
    found.push_back(child);
  return found;
}

std::vector<QODOM_ELEMENT> Children(QODOM_ELEMENT parent)
{
  std::vector<QODOM_ELEMENT> children;
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(parent); child; child = QODOM_GetNextSiblingElement(child))
    children.push_back(child);
  return children;
}

std::string Numbered(int i)
{
  return "C" + std::to_string(i) + "/" + std::to_string(i + 7);
}

}  // namespace

TEST(ChildIndex, FindsEveryNameOfALongListInDocumentOrder)
{
  ParsedDoc doc(ManyChildren(200, Numbered));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  const std::vector<QODOM_ELEMENT> children = Children(norm);
  ASSERT_EQ(children.size(), 200u);
  // Backwards, so that the first finds already walk far and index the parent.
  for (int i = 199; i >= 0; --i) {
    EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(i).c_str()), children[i]) << i;
    EXPECT_EQ(QODOM_FindNextChildWithAttr(children[i], "Name", Numbered(i).c_str()), 0u) << i;
  }
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", "c0/7"), 0u);   // exact comparison
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", "C0/7 "), 0u);  // no trimming
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", "C0"), 0u);     // no prefix match
  // Any attribute can be searched; the next one after an element of another name is found too.
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Nr", "150"), children[150]);
  EXPECT_EQ(QODOM_FindNextChildWithAttr(children[3], "Name", Numbered(180).c_str()), children[180]);
  EXPECT_EQ(QODOM_FindNextChildWithAttr(children[181], "Name", Numbered(180).c_str()), 0u);
}

TEST(ChildIndex, DuplicatesComeInDocumentOrderAcrossTags)
{
  // Three names repeat over 120 children; Notiz elements hold some of them.
  ParsedDoc doc(ManyChildren(120, [](int i) { return "N" + std::to_string(i % 3); }));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  for (const char* name : {"N0", "N1", "N2"}) {
    EXPECT_EQ(Found(norm, "Name", name), Walked(norm, "Name", name)) << name;
    EXPECT_EQ(Found(norm, "Name", name).size(), 40u) << name;
  }
  const std::vector<QODOM_ELEMENT> n1 = Found(norm, "Name", "N1");
  EXPECT_STREQ(QODOM_GetTagName(n1[1]), "Notiz");  // child 4
}

TEST(ChildIndex, FollowsRenamesDeletionsAndAdditions)
{
  ParsedDoc doc(ManyChildren(100, Numbered));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  const std::vector<QODOM_ELEMENT> children = Children(norm);
  ASSERT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(90).c_str()), children[90]);  // indexed now

  // A renamed child is found by its new name only, and in its place among duplicates.
  QODOM_SetString(children[70], "Name", Numbered(20).c_str());
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(70).c_str()), 0u);
  EXPECT_EQ(Found(norm, "Name", Numbered(20)), (std::vector<QODOM_ELEMENT>{children[20], children[70]}));
  QODOM_SetString(children[10], "Name", Numbered(20).c_str());
  EXPECT_EQ(Found(norm, "Name", Numbered(20)), (std::vector<QODOM_ELEMENT>{children[10], children[20], children[70]}));

  // A deleted child is gone; so is one whose attribute was removed, and an empty text is a text.
  QODOM_DeleteElement(children[20]);
  EXPECT_EQ(Found(norm, "Name", Numbered(20)), (std::vector<QODOM_ELEMENT>{children[10], children[70]}));
  QODOM_DeleteAttr(children[10], "Name");
  EXPECT_EQ(Found(norm, "Name", Numbered(20)), (std::vector<QODOM_ELEMENT>{children[70]}));
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", ""), 0u);
  QODOM_SetString(children[10], "Name", "");
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", ""), children[10]);

  // An added child comes last; one named like an earlier child follows it.
  const QODOM_ELEMENT added = QODOM_AddChildElement(norm, "Objekt");
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", "Neu"), 0u);
  QODOM_SetString(added, "Name", "Neu");
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", "Neu"), added);
  QODOM_SetString(added, "Name", Numbered(5).c_str());
  EXPECT_EQ(Found(norm, "Name", Numbered(5)), (std::vector<QODOM_ELEMENT>{children[5], added}));
  EXPECT_EQ(QODOM_FindNextChildWithAttr(children[99], "Name", Numbered(5).c_str()), added);
}

TEST(ChildIndex, FollowsClones)
{
  ParsedDoc doc(ManyChildren(60, Numbered));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  const std::vector<QODOM_ELEMENT> children = Children(norm);
  ASSERT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(50).c_str()), children[50]);

  // A new child that takes the attributes of another is found under the copied name.
  const QODOM_ELEMENT copy = QODOM_AddChildElement(norm, "Objekt");
  QODOM_CloneElementTree(children[7], copy);
  EXPECT_EQ(Found(norm, "Name", Numbered(7)), (std::vector<QODOM_ELEMENT>{children[7], copy}));
  // An existing child that takes another's attributes changes its name.
  QODOM_CloneElementTree(children[8], children[9]);
  EXPECT_EQ(Found(norm, "Name", Numbered(8)), (std::vector<QODOM_ELEMENT>{children[8], children[9]}));
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(9).c_str()), 0u);

  // Cloning the code into a new code copies all its children, and the copies are found there.
  const QODOM_ELEMENT second = QODOM_AddChildElement(doc.root, "Norm");
  QODOM_CloneElementTree(norm, second);
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(second, "Name", Numbered(50).c_str()), Children(second)[50]);
  EXPECT_EQ(Found(second, "Name", Numbered(7)).size(), 2u);
  // Cloning it into itself again appends copies that its index finds after the originals.
  QODOM_CloneElementTree(norm, second);
  EXPECT_EQ(Found(second, "Name", Numbered(50)), Walked(second, "Name", Numbered(50)));
  EXPECT_EQ(Found(second, "Name", Numbered(50)).size(), 2u);
}

TEST(ChildIndex, AnIndexedParentThatIsDeletedLeavesNothingBehind)
{
  ParsedDoc doc(ManyChildren(50, Numbered));
  QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  ASSERT_NE(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(49).c_str()), 0u);
  QODOM_DeleteElement(norm);
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(49).c_str()), 0u);

  // New elements may take the freed memory; they must not inherit the old index.
  for (int round = 0; round < 3; ++round) {
    norm = QODOM_AddChildElement(doc.root, "Norm");
    for (int i = 0; i < 50; ++i)
      QODOM_SetString(QODOM_AddChildElement(norm, "Objekt"), "Name",
                      ("R" + std::to_string(round) + "-" + std::to_string(i)).c_str());
    for (int i = 0; i < 50; ++i) {
      const std::string name = "R" + std::to_string(round) + "-" + std::to_string(i);
      EXPECT_EQ(Found(norm, "Name", name), Walked(norm, "Name", name)) << name;
      EXPECT_EQ(Found(norm, "Name", name).size(), 1u) << name;
    }
    EXPECT_EQ(QODOM_FindFirstChildWithAttr(norm, "Name", Numbered(49).c_str()), 0u);
  }
}

// What a walk finds by tag: every element child with that tag.
std::vector<QODOM_ELEMENT> WalkedByTag(QODOM_ELEMENT parent, const std::string& tag)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(parent); child; child = QODOM_GetNextSiblingElement(child))
    if (QODOM_GetTagName(child) == tag)
      found.push_back(child);
  return found;
}

std::vector<QODOM_ELEMENT> FoundByTag(QODOM_ELEMENT parent, const std::string& tag)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT child = QODOM_FindFirstChild(parent, tag.c_str()); child;
       child = QODOM_FindNextChild(child, tag.c_str()))
    found.push_back(child);
  return found;
}

TEST(ChildIndex, FindsByTagPastLongListsAndFollowsEdits)
{
  // Properties first, then many objects: the walk from the last property to the end is long.
  std::string xml = "<Materialdatei><Norm Name=\"EC2\">";
  for (int i = 0; i < 8; ++i)
    xml += "<Eigenschaft Kurzname=\"p" + std::to_string(i) + "\"/>";
  for (int i = 0; i < 100; ++i)
    xml += "<Objekt Name=\"o" + std::to_string(i) + "\"/>" + (i == 50 ? "<!-- c --><?Objekt x?><?Notiz x?>" : "");
  xml += "<Eigenschaft Kurzname=\"spät\"/><Notiz/></Norm></Materialdatei>";
  ParsedDoc doc(xml);
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  for (const char* tag : {"Eigenschaft", "Objekt"})
    EXPECT_EQ(FoundByTag(norm, tag), WalkedByTag(norm, tag)) << tag;
  EXPECT_EQ(FoundByTag(norm, "Eigenschaft").size(), 9u);
  EXPECT_EQ(FoundByTag(norm, "Objekt").size(), 100u);  // the instruction among them hides none
  EXPECT_EQ(QODOM_FindFirstChild(norm, "Fehlt"), 0u);
  EXPECT_EQ(QODOM_FindFirstChild(norm, ""), 0u);
  // A processing instruction of that name is no element: the find goes on to the element.
  EXPECT_STREQ(QODOM_GetTagName(QODOM_FindFirstChild(norm, "Notiz")), "Notiz");

  // Added, cloned and deleted children are seen in document order.
  const std::vector<QODOM_ELEMENT> properties = FoundByTag(norm, "Eigenschaft");
  const QODOM_ELEMENT added = QODOM_AddChildElement(norm, "Eigenschaft");
  QODOM_CloneElementTree(properties[0], added);
  QODOM_DeleteElement(properties[8]);
  QODOM_DeleteElement(properties[3]);
  EXPECT_EQ(FoundByTag(norm, "Eigenschaft"), WalkedByTag(norm, "Eigenschaft"));
  EXPECT_EQ(FoundByTag(norm, "Eigenschaft").back(), added);
  EXPECT_EQ(QODOM_FindNextChild(properties[7], "Eigenschaft"), added);
  const QODOM_ELEMENT copy = QODOM_AddChildElement(doc.root, "Norm");
  QODOM_CloneElementTree(norm, copy);
  EXPECT_EQ(FoundByTag(copy, "Objekt").size(), 100u);
  EXPECT_EQ(FoundByTag(copy, "Eigenschaft").size(), 8u);
  EXPECT_EQ(QODOM_FindNextChild(norm, "Norm"), copy);
}

// Random edits on a long list with few names: after each, every name's finds equal the walk.
TEST(ChildIndex, RandomEditsAgreeWithTheWalk)
{
  const std::vector<std::string> names{"A", "B", "C", "D", "Ä", ""};
  std::mt19937 random(20240601);
  ParsedDoc doc(ManyChildren(80, [&](int) { return names[random() % names.size()]; }));
  const QODOM_ELEMENT norm = QODOM_FindFirstChild(doc.root, "Norm");
  for (int step = 0; step < 400; ++step) {
    const std::vector<QODOM_ELEMENT> children = Children(norm);
    const QODOM_ELEMENT some = children[random() % children.size()];
    const std::string& name = names[random() % names.size()];
    switch (random() % 6) {
      case 0: QODOM_SetString(some, "Name", name.c_str()); break;
      case 1:
        if (children.size() > 40)
          QODOM_DeleteElement(some);
        break;
      case 2:
        QODOM_SetString(QODOM_AddChildElement(norm, random() % 2 ? "Objekt" : "Notiz"), "Name", name.c_str());
        break;
      case 3: QODOM_CloneElementTree(children[random() % children.size()], some); break;
      case 4: QODOM_DeleteAttr(some, "Name"); break;
      case 5: QODOM_CloneElementTree(some, QODOM_AddChildElement(norm, "Objekt")); break;
    }
    for (const std::string& value : names)
      ASSERT_EQ(Found(norm, "Name", value), Walked(norm, "Name", value)) << "step " << step << " name " << value;
    for (const char* tag : {"Objekt", "Notiz"})
      ASSERT_EQ(FoundByTag(norm, tag), WalkedByTag(norm, tag)) << "step " << step << " tag " << tag;
    const QODOM_ELEMENT from = Children(norm)[random() % Children(norm).size()];
    std::vector<QODOM_ELEMENT> after;
    for (QODOM_ELEMENT next = QODOM_FindNextChildWithAttr(from, "Name", name.c_str()); next;
         next = QODOM_FindNextChildWithAttr(next, "Name", name.c_str()))
      after.push_back(next);
    std::vector<QODOM_ELEMENT> walked = Walked(norm, "Name", name);
    std::erase_if(walked, [&](QODOM_ELEMENT e) {
      const std::vector<QODOM_ELEMENT> all = Children(norm);
      return std::find(all.begin(), all.end(), e) <= std::find(all.begin(), all.end(), from);
    });
    ASSERT_EQ(after, walked) << "step " << step;
  }
}
