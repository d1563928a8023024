// The evaluator without the parser's preparation of the text, as three tables: values, failures
// and notices, in radians, with x = 1 and v not a number.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FormulaTesting.h"
#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/FormulaRandom.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");
constexpr double kPi = 3.141592653589793;
constexpr double kIntMin = -2147483648.0;
const std::map<std::string, double> kVariables{{"x", 1}, {"v", kNaN}};

std::string Repeat(const std::string& text, int count)
{
  std::string result;
  for (int i = 0; i < count; ++i)
    result += text;
  return result;
}

class Evaluator : public ::testing::Test {
 protected:
  void SetUp() override { SetAngleUnitProvider(nullptr); }
};

void ExpectValues(std::initializer_list<std::pair<const char*, double>> rows)
{
  for (const auto& [formula, expected] : rows) {
    const double value = Value(formula, kVariables);
    if (std::isnan(expected))
      EXPECT_TRUE(std::isnan(value)) << formula;
    else
      EXPECT_DOUBLE_EQ(value, expected) << formula;
  }
}

// A sign before a digit belongs to the number in operand position only (-2^2 is 4); power groups
// from the left (2^3^2 is 64).
TEST_F(Evaluator, OperatorValues)
{
  ExpectValues({
      {"1.", 1},          {"1e-400", 0},    {" \t\n\v\f\r3 \r\n", 3},
      {"-2^2", 4},        {"2^-1", 0.5},    {"1<=-1", 0},
      {"2^3^2", 64},      {"- 2^2", -4},    {"2 + 3 * 4", 14},
      {"8 / 4 / 2", 1},   {"1 < 2 < 3", 1}, {"1 == 1 && 2 != 2", 0},
      {"1 || 0 && 0", 0}, {"!0 ^ 0", 1},    {"(1; 2; 3)", 3},
      {"pi = 3; pi", 3},  {"v != v", 1},    {"!v", 0},
      {"if(v; 1; 2)", 1}, {"min(1; v)", 1}, {"min(v; 1)", kNaN},
      {"x += 2", 3},      {"2 * x = 3", 6}, {"x = x + 1; x", 2},
  });
  ExpectValues({{"x = y = 3; x + y", 6}});
}

// Domain errors of arcosh and pow give no failure; roll may throw as often as its bound.
TEST_F(Evaluator, FunctionValues)
{
  ExpectValues({
      {"abs(-2)", 2},       {"ceil(1.2)", 2},     {"min(1; 2)", 1},       {"max(1; 2)", 2},
      {"log(0)", -kInf},    {"coth(0)", kInf},    {"arcoth(coth(1))", 1}, {"4 * acot(1)", kPi},
      {"sin(pi / 2)", 1},   {"acos(1)", 0},       {"arcosh(0.5)", kNaN},  {"pow(-1; 0.5)", kNaN},
      {"int(v)", kIntMin},  {"rad(180)", kPi},    {"grad (pi)", 180},     {"mod(-7; 3)", -1},
      {"mod(7.5; 2)", 1.5}, {"pow(0; 0)", 1},     {"if(0; 2; 3)", 3},     {"if(-0.5; 2; 3)", 2},
      {"rand(0.9)", 0},     {"rand(-3)", 0},      {"roll(2; 0)", 2},      {"roll(1e6; 1)", 1e6},
      {"percent(1)", 0},    {"percent(1e10)", 0}, {"percent(100)", 1},    {"ndate(1; 1; 2000)", 109514},
  });
  // Every fourth year is a leap year, 1900 included; both branches of an if are evaluated.
  ExpectValues({
      {"ndate(1; 3; 1900) - ndate(1; 1; 1900)", 60},
      {"ndate(1; 1; 2001) - ndate(1; 1; 2000)", 366},
      {"ndate(1; 3.9; 2000) - ndate(1; 3; 2000)", 27},
      {"if(1; x = 2; x = 3); x", 3},
  });
}

// Failures, and the notices of undefined names: once per name, kept before a failure, nothing after it.
TEST_F(Evaluator, FailuresAndNotices)
{
  const struct {
    std::string formula;
    std::vector<int> codes;
    std::string german;   // the last message
    std::string english;  // the failure; empty when the formula has a value
  } rows[] = {
      {"1;", {128}, "Unerwartetes Symbol: <end of expression>", "Unexpected token: <end of expression>"},
      {"1 < = 2", {128}, "Unerwartetes Symbol: =", "Unexpected token: ="},
      {"2 = 3", {256}, "Unerwartete Zeichen: = 3", "Unexpected text at end of expression: = 3"},
      {"min(1)", {512}, "';' erwartet.", "';' expected."},
      {"(1", {512}, "')' erwartet.", "')' expected."},
      {"SIN(1)", {16}, "'SIN' nicht implementiert.", "Function 'SIN' not implemented."},
      {"x /= 0", {64}, "Division durch Null.", "Divide by zero"},
      {"1/-0", {64}, "Division durch Null.", "Divide by zero"},
      {"if(0; 1/0; 5)", {64}, "Division durch Null.", "Divide by zero"},  // both branches are evaluated
      {"roll(1000001; 6)",
       {1024},
       "Zu viele Würfe in roll (höchstens 1000000).",
       "Too many throws in roll (at most 1000000)"},
      {"1.2.3", {4}, "Fehlerhaftes Zahlenformat: '1.2.3'", "Bad numeric literal: 1.2.3"},
      {"2ex", {4}, "Fehlerhaftes Zahlenformat: '2e'", "Bad numeric literal: 2e"},
      {"1e999", {4}, "Fehlerhaftes Zahlenformat: '1e999'", "Bad numeric literal: 1e999"},
      {"a & b", {8}, "Unerlaubtes Zeichen ('&')", "Unexpected character: &"},  // before the name is looked up
      {"1,5", {8}, "Unerlaubtes Zeichen (',')", "Unexpected character: ,"},
      {"m\xC3\xA4h", {8}, "Unerlaubtes Zeichen ('\xC3\xA4')", "Unexpected character: \xC3\xA4"},
      {"1 + \x01", {8}, "Unerlaubtes Zeichen (ASCII 1)", "Unexpected character (decimal 1)"},
      {"sqrt(-1)", {}, "", "Fehler in sqrt"},
      {"acos(-2)", {}, "", "Fehler in acos"},
      {"mod(1; 0)", {}, "", "Divide by zero in mod"},
      {"w = 3; w * 2", {32}, "'w' nicht definiert", ""},
      {"a + b + a", {32, 32}, "'b' nicht definiert", ""},
      {"X + x2", {32, 32}, "'x2' nicht definiert", ""},
      {"y + 1/0 + z", {32, 64}, "Division durch Null.", "Divide by zero"},
  };
  for (const auto& row : rows) {
    const Outcome outcome = RunFormula(row.formula, {{"x", 1}});
    EXPECT_EQ(outcome.ok, row.english.empty()) << row.formula;
    EXPECT_EQ(outcome.codes, row.codes) << row.formula;
    ASSERT_EQ(outcome.messages.size(), row.codes.size()) << row.formula;
    EXPECT_EQ(outcome.messages.empty() ? "" : outcome.messages.back(), row.german) << row.formula;
    EXPECT_EQ(outcome.english, row.english) << row.formula;
  }
}

TEST_F(Evaluator, NestingIsBoundedAt200Levels)
{
  for (const auto& [open, close] : std::vector<std::pair<std::string, std::string>>{
           {"(", ")"}, {"- ", ""}, {"!", ""}, {"abs(", ")"}, {"x = ", ""}}) {
    EXPECT_TRUE(RunFormula(Repeat(open, 200) + "1" + Repeat(close, 200)).ok) << open;
    const Outcome deep = RunFormula(Repeat(open, 201) + "1" + Repeat(close, 201));
    ASSERT_FALSE(deep.ok) << open;
    EXPECT_EQ(deep.codes.back(), 1024) << open;
    EXPECT_EQ(deep.messages.back(), "Formel zu tief verschachtelt (mehr als 200 Ebenen).");
    EXPECT_EQ(deep.english, "Expression nested too deeply (more than 200 levels)");
  }
  EXPECT_EQ(RunFormula(Repeat("(", 100000)).codes, std::vector<int>{1024});
}

TEST_F(Evaluator, OuterVariablesComeAfterOwnAndBeforeConstants)
{
  const double outerX = 10;
  const double outerPi = 4;
  ExpressionEvaluator evaluator("x = x + 1; x + pi + y", [&](std::string_view name) -> const double* {
    return name == "x" ? &outerX : name == "pi" ? &outerPi : nullptr;
  });
  evaluator.SetVariable("y", 100);
  EXPECT_EQ(evaluator.Evaluate(), 11 + 4 + 100);
  EXPECT_EQ(outerX, 10);
}

TEST_F(Evaluator, DrawsStayInRangeRepeatWithTheSeedAndPercentWinsKMinusOneInAHundred)
{
  SeedFormulaRandom(7);
  for (int i = 0; i < 200; ++i) {
    const double die = Value("rand(6)");
    EXPECT_TRUE(die >= 0 && die < 6 && die == std::floor(die)) << die;
    const double dice = Value("roll(3; 6)");
    EXPECT_TRUE(dice >= 3 && dice <= 18 && dice == std::floor(dice)) << dice;
  }
  SeedFormulaRandom(42);
  const double first = Value("rand(1000000) + rand(1000000) * 1000000");
  SeedFormulaRandom(42);
  EXPECT_EQ(Value("rand(1000000) + rand(1000000) * 1000000"), first);
  int wins = 0;  // about 100 of 10000 for 2.9, never 200
  for (int i = 0; i < 10000; ++i)
    wins += static_cast<int>(Value("percent(2.9)"));
  EXPECT_GT(wins, 50);
  EXPECT_LT(wins, 150);
}

}  // namespace
