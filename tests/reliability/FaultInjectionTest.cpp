// Saving under injected faults: no rights, a full disk at every point of the save, a process
// killed while it saves, another writer between the last check and the rename. After every fault
// the file holds the old or the new document (or the other writer's), byte for byte, and its
// backup (when there is one) holds the old document.

#include "tavo/outside/QODOM.h"

#include "tests/support/TestFiles.h"
#include "tests/support/WriteFault.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include <sys/stat.h>

namespace {

struct ProbeResult {
  int exitCode = -1;
  std::string err;
};

std::string Tool(const char* variable)
{
  const char* path = std::getenv(variable);
  return path ? path : "";
}

// Runs the save probe; `modifier` runs in the child before the probe starts.
ProbeResult RunProbe(const QStringList& arguments, const QProcessEnvironment& environment,
                     std::function<void()> modifier = {})
{
  QProcess process;
  process.setProcessEnvironment(environment);
  if (modifier)
    process.setChildProcessModifier(modifier);
  process.start(QString::fromStdString(Tool("TAVO_SAVE_PROBE")), arguments);
  process.waitForFinished(60000);
  ProbeResult result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.err = process.readAllStandardError().toStdString();
  return result;
}

// A material file of some 150 KB, so that a save takes a while and spans several writes.
std::string LargeMaterialFile()
{
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Benutzerdatei -->\n<Materialdatei>\n";
  for (int i = 0; i < 2000; ++i)
    text += "  <Kategorie Name=\"K" + std::to_string(i) + "\" Prioritaet=\"" + std::to_string(i) +
            "\"><Eigenschaft Kurzname=\"x\" Wert01=\"1.5\"/></Kategorie>\n";
  return text + "</Materialdatei>\n";
}

// The bytes that the probe's edit gives.
std::string Edited(const std::string& original, const std::string& value)
{
  std::string error;
  const QODOM_ELEMENT root = QODOM_ParseDoc(original, "/nonexistent/edited.xml", error);
  QODOM_SetString(root, "Stand", value.c_str());
  std::string bytes = QODOM_SerializeDoc(QODOM_GetDocument(root));
  QODOM_CloseDoc(root);
  return bytes;
}

QStringList FolderEntries(const std::string& folder)
{
  return QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(SafeSave, WithoutRightsTheSaveIsRefusedWithItsReason)
{
  const std::string original = LargeMaterialFile();

  // A folder the saving user cannot write to.
  {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    chmod(folder.Root().c_str(), 0555);
    chmod(path.c_str(), 0644);
    const ProbeResult result =
        RunProbe({"save", QString::fromStdString(path), "neu"}, QProcessEnvironment::systemEnvironment(), BecomeNobody);
    chmod(folder.Root().c_str(), 0755);
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_EQ(FolderEntries(folder.Root()), QStringList{"Benutzer.xml"});
  }
  // A read-only file in a folder the user may write to: QSaveFile would replace it; it must not.
  if (geteuid() == 0) {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    chmod(folder.Root().c_str(), 0755);
    ASSERT_EQ(chown(folder.Root().c_str(), kNobody, kNobody), 0);
    chmod(path.c_str(), 0444);
    const ProbeResult result =
        RunProbe({"save", QString::fromStdString(path), "neu"}, QProcessEnvironment::systemEnvironment(), BecomeNobody);
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(path), original);
  }
}

TEST(SafeSave, FullDiskAtEveryFaultPointLeavesOldOrNew)
{
  const std::string original = LargeMaterialFile();
  const std::string updated = Edited(original, "neu");
  int faultPoints = 0;
  bool completed = false;
  for (int at = 1; at <= 200 && !completed; ++at) {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    const ProbeResult result = RunProbe({"save", QString::fromStdString(path), "neu"}, DiskFullAt(at));

    const std::string now = ReadFile(path);
    ASSERT_TRUE(now == original || now == updated) << "disk full at call " << at << ": the file is damaged";
    const QStringList entries = FolderEntries(folder.Root());
    if (entries.contains("Benutzer.xml.bak")) {
      ASSERT_EQ(ReadFile(path + ".bak"), original) << "disk full at call " << at << ": the backup is damaged";
    }
    for (const QString& entry : entries)
      ASSERT_TRUE(entry == "Benutzer.xml" || entry == "Benutzer.xml.bak")
          << "disk full at call " << at << ": left behind " << entry.toStdString();

    if (result.exitCode == 0) {
      EXPECT_EQ(now, updated);
      EXPECT_EQ(ReadFile(path + ".bak"), original);
      completed = true;
    } else {
      ASSERT_EQ(result.exitCode, 1) << "disk full at call " << at << ": " << result.err;
      EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
      EXPECT_NE(result.err.find("No space left on device"), std::string::npos) << result.err;
      ++faultPoints;
    }
  }
  EXPECT_TRUE(completed) << "the save never completed";
  // Backup: write, sync, rename, folder sync; file: the same again. Fewer means the shim missed them.
  EXPECT_GE(faultPoints, 6);
  std::cout << "fault points tried in the save: " << faultPoints << "\n";
  ::testing::Test::RecordProperty("faultPoints", faultPoints);
}

TEST(SafeSave, ProtocolOnAFullDiskSaysWhy)
{
  const std::string original = LargeMaterialFile();
  for (int at = 1; at <= 3; ++at) {
    TestFolder folder;
    const std::string standard = folder.Write("Materialdatei.xml", original);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", QString::fromStdString(Tool("TAVO_DISK_FULL_SHIM")));
    environment.insert("TAVO_DISK_FULL_AT", QString::number(at));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(Tool("TAVO_CLI")), {"--standard", QString::fromStdString(standard), "--user",
                                                             QString::fromStdString(folder.Path("u.xml")), "protocol",
                                                             QString::fromStdString(folder.Path("p.txt"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_EQ(process.exitCode(), 1) << "disk full at call " << at << ": " << err;
    EXPECT_NE(err.find("No space left on device"), std::string::npos) << "disk full at call " << at << ": " << err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.Path("p.txt"))));
  }
}

TEST(SafeSave, KilledWhileSavingLeavesOldOrNew)
{
  const std::string original = LargeMaterialFile();
  const std::string a = Edited(original, "A"), b = Edited(original, "B");
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> delayMs(2, 60);
  int kills = 0;
  for (int round = 0; round < 25; ++round) {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    QProcess process;
    process.start(QString::fromStdString(Tool("TAVO_SAVE_PROBE")), {"loop", QString::fromStdString(path), "A", "B"});
    ASSERT_TRUE(process.waitForStarted());
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
    process.kill();
    process.waitForFinished();
    kills += process.exitStatus() == QProcess::CrashExit;

    const std::string now = ReadFile(path);
    ASSERT_TRUE(now == original || now == a || now == b) << "round " << round << ": the file is damaged";
    if (QFile::exists(QString::fromStdString(path + ".bak"))) {
      ASSERT_EQ(ReadFile(path + ".bak"), original) << "round " << round << ": the backup is damaged";
    }
  }
  EXPECT_GT(kills, 0) << "the probe was never killed while saving";
  std::cout << "save loops killed: " << kills << "\n";
}

TEST(SafeSave, AnotherWriterBetweenCheckAndRenameIsNeverOverwritten)
{
  const std::string original = LargeMaterialFile();
  const std::string other = Edited(original, "fremd");

  // Another save of the file: it read the file before ours replaced it, and tries to save while
  // ours is between its last check and the rename. The lock makes it wait, and then it finds the
  // file changed.
  {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    const std::string gate = folder.Path("gate");
    ASSERT_EQ(mkfifo(gate.c_str(), 0600), 0);
    QProcess second;
    second.start(QString::fromStdString(Tool("TAVO_SAVE_PROBE")),
                 {"save-after", QString::fromStdString(path), "B", QString::fromStdString(gate)});
    ASSERT_TRUE(second.waitForStarted());
    const ProbeResult first =
        RunProbe({"save-racing", QString::fromStdString(path), "A", QString::fromStdString("echo go > '" + gate + "'")},
                 QProcessEnvironment::systemEnvironment());
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(second.exitCode(), 3) << second.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFile(path), Edited(original, "A"));
    EXPECT_EQ(ReadFile(path + ".bak"), original);
  }
  // Another program that takes no lock writes the file there: the save is refused, the other
  // program's bytes stay, and the backup holds what the save had checked.
  {
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", original);
    const std::string theirs = folder.Write("fremd.xml", other);
    const ProbeResult result = RunProbe({"save-racing", QString::fromStdString(path), "A",
                                         QString::fromStdString("cp '" + theirs + "' '" + path + "'")},
                                        QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(path), other);
    EXPECT_EQ(ReadFile(path + ".bak"), original);
  }
}
