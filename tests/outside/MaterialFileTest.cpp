// Where the material files lie and how they open.

#include "tavo/outside/QOTAVO.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class MaterialFiles : public ::testing::Test {
 protected:
  void SetUp() override
  {
    setenv("TAVO_STANDARD_FILE", m_folder.Path("std.xml").c_str(), 1);
    setenv("TAVO_USER_FILE", m_folder.Path("user.xml").c_str(), 1);
    setenv("TAVO_USER_FILE_64", m_folder.Path("user64.xml").c_str(), 1);
  }
  TestFolder m_folder;
};

}  // namespace

TEST_F(MaterialFiles, EnvironmentNamesTheThreeLocations)
{
  EXPECT_EQ(QOTAVO_StandardFilePath(), m_folder.Path("std.xml"));
  EXPECT_EQ(QOTAVO_UserFilePath(0), m_folder.Path("user.xml"));
  EXPECT_EQ(QOTAVO_UserFilePath(1), m_folder.Path("user64.xml"));
}

TEST_F(MaterialFiles, MissingStandardFileFailsWithItsPath)
{
  EXPECT_EQ(QOTAVO_OpenStandard(), 0u);
  EXPECT_NE(QOTAVO_LastError().find(m_folder.Path("std.xml")), std::string::npos);
}

TEST_F(MaterialFiles, MissingUserFileOpensEmpty)
{
  const QODOM_ELEMENT user = QOTAVO_OpenUser(1);
  ASSERT_NE(user, 0u);
  EXPECT_TRUE(QOTAVO_LastError().empty());
  EXPECT_EQ(QODOM_FindFirstChild(user, "Kategorie"), 0u);
  EXPECT_EQ(QODOM_GetPath(QODOM_GetDocument(user)), m_folder.Path("user64.xml"));
  QOTAVO_Close(user);
  EXPECT_EQ(QODOM_GetDocument(user), 0u);
}

TEST_F(MaterialFiles, MalformedFileFailsWithLineAndColumn)
{
  m_folder.Write("user.xml", "<Materialdatei>\n<Kategorie Name=\"A\">\n</Materialdatei>\n");
  EXPECT_EQ(QOTAVO_OpenUser(0), 0u);
  EXPECT_EQ(QOTAVO_LastError().rfind(m_folder.Path("user.xml") + ":3:", 0), 0u) << QOTAVO_LastError();
}
