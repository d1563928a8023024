#include "tavo/shell/ProgramRootFolder.h"

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
