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

// The file m.xml as the editor opens it: read and its base kept.
struct OpenedFile {
  TestFolder folder;
  std::string path = folder.Write("m.xml", kFile), error;
  QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
  ~OpenedFile() { QODOM_CloseDoc(root); }
};

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
  const OpenedFile file;
  const QODOM_DOCUMENT document = QODOM_GetDocument(file.root);
  ASSERT_TRUE(QODOM_RememberBase(document));
  QODOM_ELEMENT a = file.root;  // the property f of the object A
  for (const char* level : {"Kategorie", "Unterkategorie", "Norm", "Objekt"})
    a = QODOM_FindFirstChild(a, level);
  a = QODOM_GetFirstChildElement(a);
  QODOM_SetString(a, "Wert01", "31");  // our edit in memory
  std::string disk = kFile;
  file.folder.Write("m.xml", disk.replace(disk.find(c.diskFrom), c.diskFrom.size(), c.diskTo));  // someone else saves
  ASSERT_TRUE(QODOM_ChangedOnDisk(document));

  CDiskMerge merge(file.root);
  ASSERT_EQ(merge.Error(), "");
  EXPECT_EQ(merge.Conflicts().size(), c.conflicts);
  EXPECT_EQ(QODOM_GetString(a, "Wert01"), std::string("31"));  // planning changes nothing
  ASSERT_TRUE(merge.Apply(c.takeTheirs));
  EXPECT_EQ(QODOM_GetString(a, "Wert01"), c.f);
  EXPECT_EQ(QODOM_GetString(QODOM_GetNextSiblingElement(a), "Wert01"), c.e);
  EXPECT_FALSE(QODOM_ChangedOnDisk(document));  // a save now overwrites nothing unseen
  EXPECT_EQ(*QODOM_GetBase(document), ReadFile(file.path));
}

INSTANTIATE_TEST_SUITE_P(Cases, DiskMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiskMerge, RefusesWithoutBaseOrReadableDisk)
{
  const OpenedFile file;
  EXPECT_NE(CDiskMerge(file.root).Error().find("was not kept"), std::string::npos);
  ASSERT_TRUE(QODOM_RememberBase(QODOM_GetDocument(file.root)));
  file.folder.Write("m.xml", "<M><unclosed></M>");
  CDiskMerge malformed(file.root);
  EXPECT_NE(malformed.Error().find("m.xml:1:"), std::string::npos) << malformed.Error();
  EXPECT_FALSE(malformed.Apply());
  file.folder.Write("m.xml", "<Other/>");
  EXPECT_NE(CDiskMerge(file.root).Error().find("no versions of one file"), std::string::npos);
}

}  // namespace
