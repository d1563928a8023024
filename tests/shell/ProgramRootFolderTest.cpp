#include "tavo/shell/ProgramRootFolder.h"

#include "tests/support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ProgramRootFolder, IsTheFolderAboveTheExecutablesFolder)
{
  EXPECT_EQ(ProgramRootFolderOf("/opt/suite/bin/tavoEdit"), "/opt/suite");
  EXPECT_EQ(ProgramRootFolderOf("/bin/tavoEdit"), "");
  EXPECT_EQ(ProgramRootFolderOf("tavoEdit"), "");
  EXPECT_EQ(ProgramRootFolderOf("bin/tavoEdit"), "");
}

TEST(ProgramRootFolder, OfThisProcessHoldsItsExecutable)
{
  const std::string executable = ExecutablePath();
  const std::string root = ProgramRootFolder();
  ASSERT_FALSE(root.empty());
  EXPECT_EQ(executable.rfind(root + "/", 0), 0u) << executable;
  EXPECT_NE(root.back(), '/');
}

TEST(ProgramRootFolder, NativePathTurnsBackslashes)
{
  EXPECT_EQ(NativePath("help\\Materialeditor.pdf"), "help/Materialeditor.pdf");
}

TEST(ProgramRootFolder, DataLieInShareWhenInstalledElseInTheRoot)
{
  TestFolder build, installed;
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(installed.Path("share/tavoEdit/data"))));
  EXPECT_EQ(ProgramDataFolderOf(build.Root()), build.Root());
  EXPECT_EQ(ProgramDataFolderOf(installed.Root()), installed.Path("share/tavoEdit"));
}
