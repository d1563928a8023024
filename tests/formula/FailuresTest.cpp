// Errors of the grammar: codes, German messages and English failure texts.

#include <gtest/gtest.h>

#include "FormulaTesting.h"

namespace {

std::string Repeat(const std::string& text, int count)
{
  std::string result;
  for (int i = 0; i < count; ++i) {
    result += text;
  }
  return result;
}

TEST(Failures, CodesAndTexts)
{
  const struct {
    std::string formula;
    int code;
    std::string german;
    std::string english;
  } rows[] = {
      {"", 128, "Unerwartetes Symbol: <end of expression>", "Unexpected token: <end of expression>"},
      {"1;", 128, "Unerwartetes Symbol: <end of expression>", "Unexpected token: <end of expression>"},
      {"1 * )", 128, "Unerwartetes Symbol: )", "Unexpected token: )"},
      {"1 < = 2", 128, "Unerwartetes Symbol: =", "Unexpected token: ="},
      {"+ 5", 128, "Unerwartetes Symbol: +", "Unexpected token: +"},
      {"1 2", 256, "Unerwartete Zeichen: 2", "Unexpected text at end of expression: 2"},
      {"2 = 3", 256, "Unerwartete Zeichen: = 3", "Unexpected text at end of expression: = 3"},
      {"(1))  ", 256, "Unerwartete Zeichen: )  ", "Unexpected text at end of expression: )  "},
      {"min(1)", 512, "';' erwartet.", "';' expected."},
      {"sin(1; 2)", 512, "')' erwartet.", "')' expected."},
      {"(1", 512, "')' erwartet.", "')' expected."},
      {"foo(1)", 16, "'foo' nicht implementiert.", "Function 'foo' not implemented."},
      {"SIN(1)", 16, "'SIN' nicht implementiert.", "Function 'SIN' not implemented."},
      {"foo(1/0)", 16, "'foo' nicht implementiert.", "Function 'foo' not implemented."},
      {"1/0", 64, "Division durch Null.", "Divide by zero"},
      {"1/-0", 64, "Division durch Null.", "Divide by zero"},
      {"x = 1; x /= 0", 64, "Division durch Null.", "Divide by zero"},
  };
  for (const auto& row : rows) {
    const Outcome outcome = RunFormula(row.formula, {{"x", 1}});
    EXPECT_FALSE(outcome.ok) << row.formula;
    EXPECT_EQ(outcome.codes, std::vector<int>{row.code}) << row.formula;
    EXPECT_EQ(outcome.messages, std::vector<std::string>{row.german}) << row.formula;
    EXPECT_EQ(outcome.english, row.english) << row.formula;
  }
}

TEST(Failures, NoticesBeforeTheErrorStayAndNothingFollowsIt)
{
  const Outcome outcome = RunFormula("y + 1/0 + z");
  EXPECT_EQ(outcome.codes, (std::vector<int>{32, 64}));
  EXPECT_EQ(outcome.messages, (std::vector<std::string>{"'y' nicht definiert", "Division durch Null."}));
  // The name is looked up only after the token that follows it was read.
  EXPECT_EQ(RunFormula("a & b").codes, std::vector<int>{8});
}

TEST(Failures, NestingIsBoundedAt200Levels)
{
  const struct {
    std::string open;
    std::string close;
  } shapes[] = {
      {"(", ")"}, {"- ", ""}, {"!", ""}, {"abs(", ")"}, {"x = ", ""},
  };
  for (const auto& shape : shapes) {
    EXPECT_TRUE(RunFormula(Repeat(shape.open, 200) + "1" + Repeat(shape.close, 200)).ok) << shape.open;
    const Outcome deep = RunFormula(Repeat(shape.open, 201) + "1" + Repeat(shape.close, 201));
    EXPECT_FALSE(deep.ok) << shape.open;
    EXPECT_EQ(deep.codes.back(), 1024) << shape.open;
    EXPECT_EQ(deep.messages.back(), "Formel zu tief verschachtelt (mehr als 200 Ebenen).");
    EXPECT_EQ(deep.english, "Expression nested too deeply (more than 200 levels)");
  }
  EXPECT_EQ(RunFormula(Repeat("(", 100000)).codes, std::vector<int>{1024});
}

TEST(Failures, RollIsBoundedAtAMillionThrows)
{
  const Outcome outcome = RunFormula("roll(1000001; 6)");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.codes, std::vector<int>{1024});
  EXPECT_EQ(outcome.messages, std::vector<std::string>{"Zu viele Würfe in roll (höchstens 1000000)."});
  EXPECT_EQ(outcome.english, "Too many throws in roll (at most 1000000)");
}

}  // namespace
