// Merging the file on disk into the document in memory: the version read at opening is the base,
// the disk is theirs, memory is ours.

#include "tavo/material/DiskMerge.h"
#include "tavo/outside/DocumentBase.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kFile = R"(<M>
  <Kategorie Name="K"><Unterkategorie Name="U"><Norm Name="N">
    <Objekt Name="A"><Eigenschaft Kurzname="f" Wert01="30"/><Eigenschaft Kurzname="e" Wert01="1"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
</M>
)";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
  return text.replace(text.find(from), from.size(), to);
}

// In memory f becomes 31; on disk someone else replaces diskFrom by diskTo.
struct DiskMergeCase {
  const char* name;
  std::string diskFrom, diskTo;
  std::vector<bool> takeTheirs;
  std::size_t conflicts;
  std::string f, e;  // Wert01 of f and e in memory afterwards
};

const DiskMergeCase kCases[] = {
    {"OtherPropertiesBothKept", R"(Wert01="1")", R"(Wert01="2")", {}, 0, "31", "2"},
    {"ConflictKeepsOursByDefault", R"(Wert01="30")", R"(Wert01="32")", {}, 1, "31", "1"},
    {"ConflictTheirsChosen", R"(Wert01="30")", R"(Wert01="32")", {true}, 1, "32", "1"},
};

class DiskMergeTest : public testing::TestWithParam<DiskMergeCase> {};

TEST_P(DiskMergeTest, MergesTheDiskIntoMemoryAndCountsAsSaved)
{
  const DiskMergeCase& c = GetParam();
  TestFolder folder;
  const std::string path = folder.Write("m.xml", kFile);
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
  ASSERT_TRUE(QODOM_RememberBase(QODOM_GetDocument(root)));
  const QODOM_ELEMENT a = QODOM_GetFirstChildElement(QODOM_FindFirstChild(
      QODOM_FindFirstChild(QODOM_FindFirstChild(QODOM_FindFirstChild(root, "Kategorie"), "Unterkategorie"), "Norm"),
      "Objekt"));
  QODOM_SetString(a, "Wert01", "31");                            // our edit in memory
  folder.Write("m.xml", Replaced(kFile, c.diskFrom, c.diskTo));  // someone else saves
  ASSERT_TRUE(QODOM_ChangedOnDisk(QODOM_GetDocument(root)));

  CDiskMerge merge(root);
  ASSERT_EQ(merge.Error(), "");
  EXPECT_EQ(merge.Conflicts().size(), c.conflicts);
  EXPECT_EQ(QODOM_GetString(a, "Wert01"), std::string("31"));  // planning changes nothing
  ASSERT_TRUE(merge.Apply(c.takeTheirs));
  EXPECT_EQ(QODOM_GetString(a, "Wert01"), c.f);
  EXPECT_EQ(QODOM_GetString(QODOM_GetNextSiblingElement(a), "Wert01"), c.e);
  EXPECT_FALSE(QODOM_ChangedOnDisk(QODOM_GetDocument(root)));  // a save now overwrites nothing unseen
  EXPECT_EQ(*QODOM_GetBase(QODOM_GetDocument(root)), ReadFile(path));
  QODOM_CloseDoc(root);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiskMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiskMerge, RefusesWithoutBaseOrReadableDisk)
{
  TestFolder folder;
  const std::string path = folder.Write("m.xml", kFile);
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
  EXPECT_NE(CDiskMerge(root).Error().find("was not kept"), std::string::npos);
  ASSERT_TRUE(QODOM_RememberBase(QODOM_GetDocument(root)));
  folder.Write("m.xml", "<M><unclosed></M>");
  CDiskMerge malformed(root);
  EXPECT_NE(malformed.Error().find("m.xml:1:"), std::string::npos) << malformed.Error();
  EXPECT_FALSE(malformed.Apply());
  folder.Write("m.xml", "<Other/>");
  EXPECT_NE(CDiskMerge(root).Error().find("no versions of one file"), std::string::npos);
  QODOM_CloseDoc(root);
}

}  // namespace
