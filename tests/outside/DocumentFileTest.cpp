// Opening and saving documents on disk.

#include "tavo/outside/QODOM.h"
#include "tavo/outside/QODOMFile.h"
#include "tavo/outside/ReducedReading.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

constexpr const char* kSmall =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n  <Kategorie Name=\"Beton\"/>\n</Materialdatei>\n";

constexpr const char* kLonger =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n  <Kategorie Name=\"Beton\"/>\n  <Kategorie "
    "Name=\"Stahl\"/>\n</Materialdatei>\n";

}  // namespace

TEST(DocumentFile, MissingFileIsAnErrorOrAnEmptyDocument)
{
  TestFolder folder;
  std::string error;
  EXPECT_EQ(QODOM_OpenDoc(folder.Path("missing.xml"), nullptr, error), 0u);
  EXPECT_NE(error.find("missing.xml"), std::string::npos);

  // The empty document is created on its first save, folder included.
  const std::string path = folder.Path("new/sub/user.xml");
  const QODOM_ELEMENT root = QODOM_OpenDoc(path, "Materialdatei", error);
  ASSERT_NE(root, 0u);
  EXPECT_STREQ(QODOM_GetTagName(root), "Materialdatei");
  EXPECT_TRUE(ReadFile(path).empty());
  QODOM_SetString(QODOM_AddChildElement(root, "Kategorie"), "Name", "Beton");
  ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
  EXPECT_EQ(ReadFile(path), kSmall);
  QODOM_CloseDoc(root);
}

// Someone rewrites the file between the look at its size and the read: the file is read again as a
// whole, and the document holds, and records on disk, what the file holds now.
TEST(DocumentFile, FileWhoseSizeChangedWhileOpeningIsReadAgain)
{
  for (const auto& [seen, now] : {std::pair(kSmall, kLonger), std::pair(kLonger, kSmall)}) {
    TestFolder folder;
    const std::string path = folder.Write("std.xml", seen);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto size = static_cast<std::size_t>(file.size());
    folder.Write("std.xml", now);
    std::string error;
    const QODOM_ELEMENT root = ReadDocumentFile(file, size, path, error);
    ASSERT_NE(root, 0u) << error;
    EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(root)), now);
    EXPECT_FALSE(QODOM_ChangedOnDisk(QODOM_GetDocument(root)));
    QODOM_CloseDoc(root);
  }
}

TEST(DocumentFile, SaveIntoAnImpossiblePlaceReportsAndKeepsNothingHalfWritten)
{
  TestFolder folder;
  const std::string blocker = folder.Write("plain", "x");
  std::string error;
  const QODOM_ELEMENT root = QODOM_ParseDoc(kSmall, blocker + "/user.xml", error);
  ASSERT_NE(root, 0u);
  EXPECT_FALSE(QODOM_SaveDoc(QODOM_GetDocument(root)));
  EXPECT_NE(QODOM_LastSaveError().find(blocker), std::string::npos) << QODOM_LastSaveError();
  EXPECT_EQ(ReadFile(blocker), "x");
  QODOM_CloseDoc(root);
  EXPECT_FALSE(QODOM_SaveDoc(QODOM_GetDocument(root)));  // a closed document is not saved
}

// A file cut short while its reduced reading scans the mapping gives way to the whole reading
// instead of ending the process.
TEST(DocumentFile, ReducedReadingOfAFileCutShortGivesWay)
{
  std::string text = "<Materialdatei>\n";
  for (int i = 0; i < 4000; ++i)
    text += "  <Kategorie Name=\"K" + std::to_string(i) + "\"/>\n";
  text += "</Materialdatei>\n";
  const TestFolder folder;
  const std::string path = folder.Write("cut.xml", text);
  bool cut = false;
  const auto decide = [&](std::size_t, std::string_view, std::string_view) {
    cut = cut || ::truncate(path.c_str(), 0) == 0;
    return KeepElement::kNot;
  };
  EXPECT_FALSE(ReduceDocumentFile(path, "Name", decide));
  ASSERT_TRUE(cut);
  folder.Write("cut.xml", text);  // whole again, and left so: read reduced
  EXPECT_TRUE(ReduceDocumentFile(path, "Name", decide));
}
