// Saving in one process: the backup of the first overwrite, the file changed by someone else, a
// tree that would not read back, links, modes and owners, leftovers of killed saves.

#include "tavo/outside/QODOM.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kOriginal =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- eigene Werkstoffe -->\n<Materialdatei>\n"
    "  <Kategorie Name=\"Holz\" Prioritaet=\"0\"/>\n</Materialdatei>\n";

class OpenFile {
 public:
  explicit OpenFile(const std::string& path, const char* emptyRoot = nullptr)
  {
    root = QODOM_OpenDoc(path, emptyRoot, error);
  }
  ~OpenFile() { QODOM_CloseDoc(root); }
  QODOM_DOCUMENT Document() const { return QODOM_GetDocument(root); }
  bool SaveWithName(const char* name) const
  {
    QODOM_SetString(QODOM_FindFirstChild(root, "Kategorie"), "Name", name);
    return QODOM_SaveDoc(Document());
  }

  QODOM_ELEMENT root = 0;
  std::string error;
};

struct stat StatusOf(const std::string& path)
{
  struct stat status {};
  lstat(path.c_str(), &status);
  return status;
}

bool Exists(const std::string& path)
{
  return QFile::exists(QString::fromStdString(path));
}

}  // namespace

TEST(SafeSave, BackupKeepsTheFileAsItWasBeforeTheFirstSave)
{
  TestFolder folder;
  const std::string path = folder.Write("Benutzer.xml", kOriginal);
  {
    OpenFile file(path);
    ASSERT_NE(file.root, 0u) << file.error;
    ASSERT_TRUE(file.SaveWithName("Stahl")) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path + ".bak"), kOriginal);
    ASSERT_TRUE(file.SaveWithName("Beton"));
    EXPECT_EQ(ReadFile(path + ".bak"), kOriginal) << "the second save replaced the backup";
  }
  // Reopened in the same run: the backup still holds the state before the run.
  OpenFile again(path);
  ASSERT_TRUE(again.SaveWithName("Glas"));
  EXPECT_EQ(ReadFile(path + ".bak"), kOriginal);
  EXPECT_NE(ReadFile(path).find("Glas"), std::string::npos);

  // A file created by its first save has nothing to back up.
  const std::string fresh = folder.Path("neu/Benutzer.xml");
  OpenFile created(fresh, "Materialdatei");
  QODOM_AddChildElement(created.root, "Kategorie");
  ASSERT_TRUE(QODOM_SaveDoc(created.Document()));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh + ".bak")));
}

TEST(SafeSave, ChangedOnDiskSeesOtherWritersButNotATouch)
{
  TestFolder folder;
  const std::string path = folder.Write("Benutzer.xml", kOriginal);
  OpenFile file(path);
  ASSERT_NE(file.root, 0u);
  EXPECT_FALSE(QODOM_ChangedOnDisk(file.Document()));

  // Same bytes, a later modification time: nothing to lose.
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::hours(1));
  EXPECT_FALSE(QODOM_ChangedOnDisk(file.Document()));

  // Another program writes the same size with other bytes, keeping the time.
  const auto time = std::filesystem::last_write_time(path);
  std::string other = kOriginal;
  other.replace(other.find("Holz"), 4, "Glas");
  folder.Write("Benutzer.xml", other);
  std::filesystem::last_write_time(path, time);
  EXPECT_TRUE(QODOM_ChangedOnDisk(file.Document()));

  // A save refuses to overwrite it, and leaves it as it is; one that the user agreed to does.
  EXPECT_FALSE(file.SaveWithName("Stahl"));
  EXPECT_TRUE(QODOM_LastSaveFoundChange()) << QODOM_LastSaveError();
  EXPECT_EQ(ReadFile(path), other);
  ASSERT_TRUE(QODOM_SaveDocOverwriting(file.Document())) << QODOM_LastSaveError();
  EXPECT_FALSE(QODOM_ChangedOnDisk(file.Document()));
  EXPECT_EQ(ReadFile(path + ".bak"), other) << "the backup holds what was overwritten";

  // Deleted behind our back.
  std::filesystem::remove(path);
  EXPECT_TRUE(QODOM_ChangedOnDisk(file.Document()));
  EXPECT_FALSE(QODOM_ChangedOnDisk(0));
}

TEST(SafeSave, ChangedOnDiskForANewFileThatSomeoneCreated)
{
  TestFolder folder;
  const std::string path = folder.Path("Benutzer.xml");
  OpenFile file(path, "Materialdatei");
  ASSERT_NE(file.root, 0u);
  EXPECT_FALSE(QODOM_ChangedOnDisk(file.Document()));
  folder.Write("Benutzer.xml", kOriginal);
  EXPECT_TRUE(QODOM_ChangedOnDisk(file.Document()));
}

TEST(SafeSave, FailedSaveKeepsTheDiskStateItWasOpenedWith)
{
  TestFolder folder;
  const std::string path = folder.Write("Benutzer.xml", kOriginal);
  OpenFile file(path);
  // A tag that no parser reads back: the bytes are proven before the disk is touched.
  QODOM_AddChildElement(file.root, "1 Kategorie");
  EXPECT_FALSE(QODOM_SaveDoc(file.Document()));
  EXPECT_NE(QODOM_LastSaveError().find("would not read back"), std::string::npos) << QODOM_LastSaveError();
  EXPECT_NE(QODOM_LastSaveError().find(path), std::string::npos);
  EXPECT_EQ(ReadFile(path), kOriginal);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".bak")));
  EXPECT_FALSE(QODOM_ChangedOnDisk(file.Document()));
  EXPECT_EQ(QDir(QString::fromStdString(folder.Root())).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(SafeSave, BackupFollowsNoLinkAndBothKeepTheFilesMode)
{
  TestFolder folder;
  const std::string path = folder.Write("Benutzer.xml", kOriginal);
  chmod(path.c_str(), 0600);
  const std::string elsewhere = folder.Write("fremd.txt", "fremd\n");
  std::filesystem::create_symlink(elsewhere, path + ".bak");
  // Left by a killed save, and a copy that someone named by hand.
  const std::string leftover = folder.Write("Benutzer.xml.aB3xYz", kOriginal);
  const std::string namedByHand = folder.Write("Benutzer.xml.Backup", kOriginal);

  OpenFile file(path);
  ASSERT_TRUE(file.SaveWithName("Stahl")) << QODOM_LastSaveError();
  EXPECT_EQ(ReadFile(elsewhere), "fremd\n");
  EXPECT_TRUE(S_ISREG(StatusOf(path + ".bak").st_mode));
  EXPECT_EQ(ReadFile(path + ".bak"), kOriginal);
  for (const std::string& saved : {path, path + ".bak"})
    EXPECT_EQ(StatusOf(saved).st_mode & 07777, 0600u) << saved;
  EXPECT_FALSE(Exists(leftover));
  EXPECT_TRUE(Exists(namedByHand));
  EXPECT_FALSE(Exists(path + ".lock"));
}

TEST(SafeSave, ReadOnlyFileOfAnotherOwnerStaysSo)
{
  // Only root may write a 0444 file and give a file to another user.
  if (geteuid() != 0)
    GTEST_SKIP() << "needs root";
  constexpr uid_t kNobody = 65534;
  TestFolder folder;
  const std::string path = folder.Write("Materialdatei.xml", kOriginal);
  ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  chmod(path.c_str(), 0444);
  OpenFile file(path);
  ASSERT_TRUE(file.SaveWithName("Stahl")) << QODOM_LastSaveError();
  for (const std::string& saved : {path, path + ".bak"}) {
    const struct stat status = StatusOf(saved);
    EXPECT_EQ(status.st_mode & 07777, 0444u) << saved;
    EXPECT_EQ(status.st_uid, kNobody) << saved;
    EXPECT_EQ(status.st_gid, kNobody) << saved;
  }
}
