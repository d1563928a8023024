// Opening and closing the two files, and the start-up log.

#include "tests/support/TestDatabase.h"

#include "tavo/outside/QODOM.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

const std::string kStandard = MaterialFile(R"(<Kategorie Name="Beton" Prioritaet="0"/>)");
const std::string kUser = MaterialFile(R"(<Kategorie Name="Eigene" Prioritaet="1"/>)");

}  // namespace

TEST(HandlerFiles, ConstructionLogsThreeLinesAndOpensBoth)
{
  TestDatabase db(kStandard, kUser);
  {
    const auto handler = db.Open();
    EXPECT_NE(handler->StandardFile(), 0u);
    EXPECT_NE(handler->UserFile(), 0u);
    std::vector<std::string> list;
    EXPECT_EQ(handler->ListKategorien(list), 2);
  }
  db.Open();
  const std::string log = ReadFile(db.LogPath());
  const std::regex lines(R"((\[[^\]]+\] CTavoHandler\(\):11[057]\n){6})");  // six lines, three per handler
  EXPECT_TRUE(std::regex_match(log, lines)) << log;
  EXPECT_NE(log.find("110\n[", 0), std::string::npos);
}

TEST(HandlerFiles, EnsureOpenChangesOnlyWhatItMustAndTrestle64ReopensEveryTime)
{
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  const QODOM_ELEMENT standard = handler->StandardFile();
  const QODOM_ELEMENT user = handler->UserFile();
  handler->EnsureStandardOpen(true);
  handler->EnsureUserOpen(true);
  EXPECT_EQ(handler->StandardFile(), standard);
  EXPECT_EQ(handler->UserFile(), user);

  handler->EnsureUserOpen(false);
  EXPECT_EQ(handler->UserFile(), 0u);
  EXPECT_EQ(QODOM_GetDocument(user), 0u);
  handler->EnsureUserOpen(false);
  handler->EnsureUserOpen(true);
  EXPECT_NE(handler->UserFile(), 0u);
  EXPECT_NE(handler->UserFile(), user);

  // A closed standard file ends every search: the user file's entries are not listed.
  handler->EnsureStandardOpen(false);
  EXPECT_EQ(handler->StandardFile(), 0u);
  EXPECT_EQ(handler->ListLevel({}), std::vector<std::string>{""});

  // Trestle64 reopens the second user file on every request.
  db.Folder().Write("user64.xml", MaterialFile(R"(<Kategorie Name="Trestle" Prioritaet="0"/>)"));
  handler->SetTrestle64(true);
  handler->EnsureUserOpen(true);
  const QODOM_ELEMENT first = handler->UserFile();
  EXPECT_STREQ(QODOM_GetString(QODOM_FindFirstChild(first, "Kategorie"), "Name"), "Trestle");
  handler->EnsureUserOpen(true);
  EXPECT_NE(handler->UserFile(), first);
  EXPECT_EQ(QODOM_GetDocument(first), 0u);
  handler->EnsureUserOpen(false);
  EXPECT_EQ(handler->UserFile(), 0u);
}
