#include "tavo/shell/LeadingInteger.h"

#include <gtest/gtest.h>

#include <limits>

TEST(LeadingInteger, ReadsAsAtolDoes)
{
  struct Row {
    const char* text;
    int64_t value;
  };
  const Row rows[] = {
      {"12", 12},
      {"  7 ", 7},
      {"-1", -1},
      {"+3", 3},
      {"4abc", 4},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"1.9", 1},
      {"\t\n42", 42},
      {"007", 7},
      {"99999999999999999999", std::numeric_limits<int64_t>::max()},
      {"-99999999999999999999", std::numeric_limits<int64_t>::min()},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ReadLeadingInteger(row.text), row.value) << row.text;
}

TEST(LeadingInteger, TellsWhetherANumberStandsAtTheStart)
{
  EXPECT_TRUE(StartsWithInteger(" 12 "));
  EXPECT_TRUE(StartsWithInteger("-1"));
  EXPECT_FALSE(StartsWithInteger(""));
  EXPECT_FALSE(StartsWithInteger("-"));
  EXPECT_FALSE(StartsWithInteger("x1"));
}
