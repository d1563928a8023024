#include "tavo/shell/StartupLog.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <regex>

using namespace std::chrono;

TEST(StartupLog, TimeStampIsUtcWithFourDigitMilliseconds)
{
  // 2026-12-04 13:05:09.042 UTC
  const sys_days day = year{2026} / December / 4;
  const auto time = day + hours{13} + minutes{5} + seconds{9} + milliseconds{42};
  EXPECT_EQ(FormatLogTimeStamp(time), "[04.12.2026 / 13:05:09:0042]");
  EXPECT_EQ(FormatLogTimeStamp(sys_days{year{1999} / January / 1}), "[01.01.1999 / 00:00:00:0000]");
}

TEST(StartupLog, AppendsLinesOldestFirst)
{
  TestFolder folder;
  const std::string log = folder.Path("startup.log");
  WriteStartupLog(log, "CTavoHandler():110");
  WriteStartupLog(log, "two\nlines");

  const std::string text = ReadFile(log);
  const std::regex expected(R"(\[\d\d\.\d\d\.\d{4} / \d\d:\d\d:\d\d:\d{4}\] CTavoHandler\(\):110\n)"
                            R"(\[\d\d\.\d\d\.\d{4} / \d\d:\d\d:\d\d:\d{4}\] two\nlines\n)");
  EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST(StartupLog, GoesWhereItCanBeWrittenOrNowhere)
{
  TestFolder folder;
  // A folder below a regular file can be neither written nor created, not even by root.
  const std::string blocked = folder.Write("plain", "x") + "/root";
  const std::string state = folder.Path("state/QOR/tavoEdit");
  struct Row {
    std::string root, state, expected;
  } rows[] = {
      {folder.Root(), state, folder.Path("startup.log")},  // a build: the program root
      {blocked, state, state + "/startup.log"},            // an installation: the user's state folder, created
      {blocked, blocked + "/state", ""},                   // nowhere: no log, no waiting
  };
  for (const Row& row : rows) {
    const std::string path = StartupLogPathFor(row.root, row.state);
    EXPECT_EQ(path, row.expected) << row.root;
    WriteStartupLog(path, "CTavoHandler():110");
    if (!path.empty()) {
      EXPECT_NE(ReadFile(path).find("CTavoHandler():110"), std::string::npos) << path;
    }
  }
}
