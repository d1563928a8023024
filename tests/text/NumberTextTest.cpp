#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "tavo/text/NumberText.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The scan also tells whether there is a number; it gives up on a hexadecimal prefix without digits.
TEST(NumberText, ReadAndScanLeadingDoubleTakeTheLongestNumberPrefix)
{
  const std::tuple<const char*, double, bool> rows[] = {
      {"  1.5abc", 1.5, true},  {"abc", 0, false},      {"", 0, false},     {"-2e3x", -2000, true},
      {"1,5", 1, true},         {"\t+.25", 0.25, true}, {"0x10", 16, true}, {"1e", 1, true},
      {"1e999", kInf, true},    {"-inf", -kInf, true},  {".", 0, false},    {"- 1", 0, false},
      {"-0X1p4", -16, true},    {"-.5e1x", -5, true},   {"12e+", 12, true}, {"1e-400", 0, true},
      {"4e-320", 4e-320, true}, {"00x1", 0, true},      {" -0x", 0, false}, {"10x", 10, true},
      {"0x1A", 26, true},
  };
  for (const auto& [text, value, scanned] : rows) {
    EXPECT_EQ(ReadLeadingDouble(text), value) << text;
    EXPECT_EQ(ScanLeadingDouble(text), scanned ? std::optional(value) : std::nullopt) << text;
  }
  EXPECT_TRUE(std::isnan(ReadLeadingDouble(" nan")));
}

TEST(NumberText, FormatsAsPrintfDoesInTheCLocale)
{
  const std::tuple<double, const char*, const char*> rows[] = {
      {0.1, "0.1", "0.10"},
      {1250000.25, "1.25e+06", "1250000.25"},
      {1234567, "1.23457e+06", "1234567.00"},
      {100000, "100000", "100000.00"},
      {1e-5, "1e-05", "0.00"},
      {2.345, "2.345", "2.35"},
      {0.0001234, "0.0001234", "0.00"},
      {kInf, "inf", "inf"},
      {123456, "123456", "123456.00"},
      {-1.5e-7, "-1.5e-07", "-0.00"},
      {4.9406564584124654e-324, "4.94066e-324", "0.00"},
  };
  for (const auto& [value, lg, fixed2] : rows) {
    EXPECT_EQ(FormatLg(value), lg) << lg;
    EXPECT_EQ(FormatFixed2(value), fixed2) << fixed2;
  }
  EXPECT_EQ(FormatG17(0.1), "0.10000000000000001");
  EXPECT_EQ(FormatG17(6), "6");
  EXPECT_EQ(FormatScientific16(1), "1.0000000000000000e+00");
  EXPECT_EQ(FormatScientific16(-1e-300), "-1.0000000000000000e-300");
  EXPECT_EQ(FormatScientific16(-kInf), "            -inf");
}

TEST(NumberText, GridValueDecimalsFollowTheMagnitude)
{
  const std::pair<double, const char*> rows[] = {
      {12.5, "12.5"},     {1000, "1000"},        {0.001, "0.001"},           {2.0 / 3.0, "0.66667"},
      {456.78, "456.78"}, {999.9999, "1000"},    {0.00000785, "0.00000785"}, {-0.35, "-0.35"},
      {0, "0"},           {123456.7, "123457"},  {-2.5e-3, "-0.0025"},       {kInf, "inf"},
      {-kInf, "-inf"},    {std::nan(""), "nan"},
  };
  for (const auto& [value, text] : rows) {
    EXPECT_EQ(FormatGridValue(value), text) << text;
  }
}

TEST(NumberText, LeadingIntegerReadsAsAtolDoes)
{
  const std::tuple<const char*, int64_t, bool> rows[] = {
      {"12", 12, true},     {"  7 ", 7, true}, {"-1", -1, true},  {"+3", 3, true}, {"4abc", 4, true},
      {"abc", 0, false},    {"", 0, false},    {"- 5", 0, false}, {"-", 0, false}, {"1.9", 1, true},
      {"\t\n42", 42, true}, {"007", 7, true},  {"x1", 0, false},
  };
  for (const auto& [text, value, startsWithInteger] : rows) {
    EXPECT_EQ(ReadLeadingInteger(text), value) << text;
    EXPECT_EQ(StartsWithInteger(text), startsWithInteger) << text;
  }
  EXPECT_EQ(ReadLeadingInteger("99999999999999999999"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(ReadLeadingInteger("-99999999999999999999"), std::numeric_limits<int64_t>::min());
}

TEST(NumberText, ToInt32TruncatesAndMapsTheRestToTheMinimum)
{
  constexpr int kMin = std::numeric_limits<int32_t>::min();
  const std::pair<double, int> rows[] = {
      {-2.7, -2},    {2147483647.9, 2147483647}, {-2147483648.9, kMin}, {2147483648.0, kMin},
      {-kInf, kMin}, {std::nan(""), kMin},
  };
  for (const auto& [value, result] : rows) {
    EXPECT_EQ(ToInt32(value), result) << value;
  }
}

}  // namespace
