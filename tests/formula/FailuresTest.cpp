// Failures of the tokenizer, the grammar and the functions: codes, German messages and English
// failure texts.

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
    int code;  // 0: no notice
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
      {"roll(1000001; 6)", 1024, "Zu viele Würfe in roll (höchstens 1000000).",
       "Too many throws in roll (at most 1000000)"},
      // the tokenizer's
      {"1.2.3", 4, "Fehlerhaftes Zahlenformat: '1.2.3'", "Bad numeric literal: 1.2.3"},
      {"2ex", 4, "Fehlerhaftes Zahlenformat: '2e'", "Bad numeric literal: 2e"},
      {"1e999", 4, "Fehlerhaftes Zahlenformat: '1e999'", "Bad numeric literal: 1e999"},
      {"_a", 8, "Unerlaubtes Zeichen ('_')", "Unexpected character: _"},
      {"a & b", 8, "Unerlaubtes Zeichen ('&')", "Unexpected character: &"},
      {"1 | 2", 8, "Unerlaubtes Zeichen ('|')", "Unexpected character: |"},
      {"1,5", 8, "Unerlaubtes Zeichen (',')", "Unexpected character: ,"},
      {".5", 8, "Unerlaubtes Zeichen ('.')", "Unexpected character: ."},
      {"\"x\"", 8, "Unerlaubtes Zeichen ('\"')", "Unexpected character: \""},
      {"m\xC3\xA4h", 8, "Unerlaubtes Zeichen ('\xC3\xA4')", "Unexpected character: \xC3\xA4"},
      {"1 + \x01", 8, "Unerlaubtes Zeichen (ASCII 1)", "Unexpected character (decimal 1)"},
      {"\x1F", 8, "Unerlaubtes Zeichen (ASCII 31)", "Unexpected character (decimal 31)"},
      // domain errors of the functions fail without a notice
      {"sqrt(-1)", 0, "", "Fehler in sqrt"},
      {"log(-1)", 0, "", "Fehler in log"},
      {"log10(-0.1)", 0, "", "Fehler in log10"},
      {"asin(1.5)", 0, "", "Fehler in asin"},
      {"acos(-2)", 0, "", "Fehler in acos"},
      {"mod(1; 0)", 0, "", "Divide by zero in mod"},
  };
  for (const auto& row : rows) {
    const Outcome outcome = RunFormula(row.formula, {{"x", 1}});
    EXPECT_FALSE(outcome.ok) << row.formula;
    EXPECT_EQ(outcome.codes, row.code ? std::vector<int>{row.code} : std::vector<int>{}) << row.formula;
    EXPECT_EQ(outcome.messages, row.code ? std::vector<std::string>{row.german} : std::vector<std::string>{})
        << row.formula;
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

}  // namespace
