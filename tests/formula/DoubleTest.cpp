#include <gtest/gtest.h>

#include "tavo/formula/Double.h"
#include "tavo/formula/QORParser.h"

namespace {

TEST(Double, SetTextDecidesBetweenNumberAndFormula)
{
  CQORParser parser;
  parser.SetVariable("y", "", "", 4);
  const std::tuple<const char*, bool, const char*, double> rows[] = {
      {"2*1", true, "", 2},   {"1+1", false, "1+1", 2},     {"2x", true, "", 2},
      {"2,5", true, "", 2.5}, {"1,5*2", false, "1,5*2", 3}, {"y,5", false, "y.5", 0},
      {"1/0", true, "", 1},   {"", false, "", 0},           {".5*2", false, ".5*2", 1},
  };
  for (const auto& [text, isNumber, formula, expected] : rows) {
    CDouble value(7);
    value.m_parser = &parser;
    value.SetText(text);
    EXPECT_EQ(value.m_isNumber, isNumber) << text;
    EXPECT_EQ(value.m_text, formula) << text;
    EXPECT_DOUBLE_EQ(value.m_value, expected) << text;
    EXPECT_EQ(value.m_parser, &parser);
  }
}

TEST(Double, GetValueEvaluatesFormulasAndKeepsTheLastGoodValue)
{
  CQORParser parser;
  CDouble value;
  value.m_parser = &parser;
  value.SetText("(1/y)");
  EXPECT_EQ(value.m_value, 0);
  parser.SetVariable("y", "", "", 2);
  EXPECT_EQ(value.GetValue(), 0.5);
  parser.SetVariable("y", "", "", 0);
  EXPECT_EQ(value.GetValue(), 0.5);
  EXPECT_EQ(value.GetText(), "(1/y)");
}

// A number's text is written as "%lg" writes it, and kept.
TEST(Double, GetTextWritesNumbersAndEqualityComparesValueTextAndKind)
{
  CDouble one(1250000.0);
  CDouble alsoOne(1250000.0);
  EXPECT_TRUE(one == alsoOne);
  EXPECT_EQ(one.GetText(), "1.25e+06");
  EXPECT_EQ(one.m_text, "1.25e+06");
  EXPECT_FALSE(one == alsoOne) << "the text of one only is filled";

  CQORParser parser;
  parser.SetVariable("x", "", "", 3);
  CDouble fresh;
  fresh.m_parser = &parser;
  fresh.SetText("x");
  CDouble stale = fresh;
  stale.m_value = 3;
  EXPECT_TRUE(fresh == stale) << "the left side is evaluated before comparing";
  CDouble unevaluated = stale;
  unevaluated.m_value = 0;
  EXPECT_FALSE(stale == unevaluated) << "the right side is not";
}

}  // namespace
