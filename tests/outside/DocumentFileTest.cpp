// Opening and saving documents on disk.

#include "tavo/outside/QODOM.h"
#include "tavo/outside/QODOMFile.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace {

constexpr const char* kSmall =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n  <Kategorie Name=\"Beton\"/>\n</Materialdatei>\n";

constexpr const char* kLonger =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n  <Kategorie Name=\"Beton\"/>\n  <Kategorie "
    "Name=\"Stahl\"/>\n</Materialdatei>\n";

QODOM_ELEMENT Open(const std::string& path, const char* emptyRoot, std::string& error)
{
  return QODOM_OpenDoc(path, emptyRoot, error);
}

}  // namespace

TEST(DocumentFile, MissingFileIsAnErrorOrAnEmptyDocument)
{
  TestFolder folder;
  std::string error;
  EXPECT_EQ(Open(folder.Path("missing.xml"), nullptr, error), 0u);
  EXPECT_NE(error.find("missing.xml"), std::string::npos);

  // The empty document is created on its first save, folder included.
  const std::string path = folder.Path("new/sub/user.xml");
  const QODOM_ELEMENT root = Open(path, "Materialdatei", error);
  ASSERT_NE(root, 0u);
  EXPECT_STREQ(QODOM_GetTagName(root), "Materialdatei");
  EXPECT_TRUE(ReadFile(path).empty());
  const QODOM_ELEMENT kategorie = QODOM_AddChildElement(root, "Kategorie");
  QODOM_SetString(kategorie, "Name", "Holz");
  ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
  EXPECT_EQ(
      ReadFile(path),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n  <Kategorie Name=\"Holz\"/>\n</Materialdatei>\n");
  QODOM_CloseDoc(root);
}

TEST(DocumentFile, SavingAnUneditedFileKeepsItsBytes)
{
  TestFolder folder;
  const std::string path = folder.Write("std.xml", kSmall);
  std::string error;
  const QODOM_ELEMENT root = Open(path, nullptr, error);
  ASSERT_NE(root, 0u) << error;
  ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root)));
  EXPECT_EQ(ReadFile(path), kSmall);
  QODOM_CloseDoc(root);
}

// Someone rewrites the file between the look at its size and the read: the file is read again as a
// whole, and the document holds, and records on disk, what the file holds now.
TEST(DocumentFile, FileWhoseSizeChangedWhileOpeningIsReadAgain)
{
  const struct {
    const char* seen;
    const char* now;
  } rows[] = {{kSmall, kLonger}, {kLonger, kSmall}};
  for (const auto& row : rows) {
    TestFolder folder;
    const std::string path = folder.Write("std.xml", row.seen);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto size = static_cast<std::size_t>(file.size());
    folder.Write("std.xml", row.now);
    std::string error;
    const QODOM_ELEMENT root = ReadDocumentFile(file, size, path, error);
    ASSERT_NE(root, 0u) << error;
    EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(root)), row.now);
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

TEST(DocumentFile, FailingWriteLeavesTheOldFileIntact)
{
  TestFolder folder;
  const std::string path = folder.Write("std.xml", kSmall);

  // The child may write at most 64 bytes per file, which binds root too.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
    QODOM_ELEMENT kategorie = QODOM_FindFirstChild(root, "Kategorie");
    QODOM_SetString(kategorie, "Name", std::string(500, 'B').c_str());
    const bool saved = QODOM_SaveDoc(QODOM_GetDocument(root));
    const bool reported = QODOM_LastSaveError().find(path) != std::string::npos;
    _exit(!saved && reported ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with a reason naming the file";
  EXPECT_EQ(ReadFile(path), kSmall);
}
