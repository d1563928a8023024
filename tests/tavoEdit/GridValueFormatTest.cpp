#include "tavo/tavoEdit/GridValueFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

TEST(GridValueFormat, DecimalsFollowTheMagnitude)
{
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      {12.5, "12.5"},
      {1000, "1000"},
      {0.001, "0.001"},
      {2.0 / 3.0, "0.66667"},
      {456.78, "456.78"},
      {999.9999, "1000"},
      {0.00000785, "0.00000785"},
      {-0.35, "-0.35"},
      {0, "0"},
      {123456.7, "123457"},
      {-2.5e-3, "-0.0025"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(FormatGridValue(row.value), row.text) << row.value;
}

TEST(GridValueFormat, IgnoresAGermanLocale)
{
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "no German locale on this machine";
  EXPECT_EQ(FormatGridValue(12.5), "12.5");
  std::setlocale(LC_ALL, "C");
}
