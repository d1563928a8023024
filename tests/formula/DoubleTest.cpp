#include <gtest/gtest.h>

#include "tavo/formula/Double.h"
#include "tavo/formula/QORParser.h"

namespace {

struct Kind {
  bool isNumber;
  const char* text;
  double value;
};

void ExpectKind(const CDouble& value, const Kind& kind, const std::string& what)
{
  EXPECT_EQ(value.m_isNumber, kind.isNumber) << what;
  EXPECT_EQ(value.m_text, kind.text) << what;
  EXPECT_DOUBLE_EQ(value.m_value, kind.value) << what;
}

TEST(Double, SetTextDecidesBetweenNumberAndFormula)
{
  CQORParser parser;
  parser.SetVariable("y", "", "", 4);
  const struct {
    const char* text;
    Kind kind;
  } rows[] = {
      {"2*1", {true, "", 2}},   {"1+1", {false, "1+1", 2}},     {"2x", {true, "", 2}},
      {"2,5", {true, "", 2.5}}, {"1,5*2", {false, "1,5*2", 3}}, {"y,5", {false, "y.5", 0}},
      {"1/0", {true, "", 1}},   {"", {false, "", 0}},           {".5*2", {false, ".5*2", 1}},
  };
  for (const auto& row : rows) {
    CDouble value(7);
    value.m_parser = &parser;
    value.SetText(row.text);
    ExpectKind(value, row.kind, row.text);
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

TEST(Double, GetTextFormatsNumbersAsLg)
{
  const struct {
    double value;
    const char* text;
  } rows[] = {
      {0.1, "0.1"}, {1250000, "1.25e+06"}, {1234567, "1.23457e+06"}, {123456, "123456"}, {-2.5e-7, "-2.5e-07"},
  };
  for (const auto& row : rows) {
    CDouble value(row.value);
    EXPECT_EQ(value.GetText(), row.text);
    EXPECT_EQ(value.m_text, row.text);
  }
}

TEST(Double, EqualityComparesValueTextAndKind)
{
  CDouble one(1.0);
  CDouble alsoOne(1.0);
  EXPECT_TRUE(one == alsoOne);
  one.GetText();  // fills the text of one only
  EXPECT_FALSE(one == alsoOne);

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
