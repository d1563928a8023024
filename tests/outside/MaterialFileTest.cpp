// Where the material files lie and how they open.

#include "tavo/outside/QOTAVO.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(MaterialFiles, EnvironmentNamesTheLocationsAndOnlyTheUserFileMayBeMissing)
{
  const TestFolder folder;
  setenv("TAVO_STANDARD_FILE", folder.Path("std.xml").c_str(), 1);
  setenv("TAVO_USER_FILE", folder.Path("user.xml").c_str(), 1);
  setenv("TAVO_USER_FILE_64", folder.Path("user64.xml").c_str(), 1);
  EXPECT_EQ(QOTAVO_StandardFilePath(), folder.Path("std.xml"));
  EXPECT_EQ(QOTAVO_UserFilePath(0), folder.Path("user.xml"));
  EXPECT_EQ(QOTAVO_UserFilePath(1), folder.Path("user64.xml"));

  EXPECT_EQ(QOTAVO_OpenStandard(), 0u);
  EXPECT_NE(QOTAVO_LastError().find(folder.Path("std.xml")), std::string::npos);

  const QODOM_ELEMENT user = QOTAVO_OpenUser(1);
  ASSERT_NE(user, 0u);
  EXPECT_TRUE(QOTAVO_LastError().empty());
  EXPECT_EQ(QODOM_FindFirstChild(user, "Kategorie"), 0u);
  EXPECT_EQ(QODOM_GetPath(QODOM_GetDocument(user)), folder.Path("user64.xml"));
  QOTAVO_Close(user);
  EXPECT_EQ(QODOM_GetDocument(user), 0u);
}
