// Precedence, grouping and assignments, without the parser's preparation of the text.

#include <gtest/gtest.h>

#include <cmath>

#include "FormulaTesting.h"

namespace {

TEST(Grammar, PrecedenceAndGrouping)
{
  const struct {
    const char* formula;
    double value;
  } rows[] = {
      {"2^3^2", 64},
      {"2*3^2", 18},
      {"- 2^2", -4},
      {"2 + 3 * 4", 14},
      {"(2 + 3) * 4", 20},
      {"7 - 2 - 1", 4},
      {"8 / 4 / 2", 1},
      {"2 ^ - 1", 0.5},
      {"- - 3", 3},
      {"1 < 2 < 3", 1},
      {"3 > 2 > 1", 0},
      {"1 == 1 && 2 != 2", 0},
      {"0 || 0.5", 1},
      {"1 || 0 && 0", 0},
      {"2 < 1 + 2", 1},
      {"1 + 1 == 2", 1},
      {"2 >= 2", 1},
      {"2 <= 1", 0},
      {"!0", 1},
      {"!5", 0},
      {"!0 ^ 0", 1},
      {"!!7", 1},
      {"(1; 2; 3)", 3},
      {"1; 2", 2},
      {"((4))", 4},
      {"pi", 3.141592653589793},
      {"e", 2.718281828459045},
      {"pi = 3; pi", 3},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Value(row.formula), row.value) << row.formula;
  }
}

TEST(Grammar, NaNOperands)
{
  const std::map<std::string, double> nan{{"v", std::nan("")}};
  const struct {
    const char* formula;
    double value;
  } rows[] = {
      {"v == v", 0}, {"v != v", 1}, {"v < 1", 0},       {"v >= 1", 0},    {"!v", 0},
      {"v && 1", 1}, {"0 || v", 1}, {"if(v; 1; 2)", 1}, {"max(1; v)", 1}, {"min(1; v)", 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Value(row.formula, nan), row.value) << row.formula;
  }
  EXPECT_TRUE(std::isnan(Value("min(v; 1)", nan)));
  EXPECT_TRUE(std::isnan(Value("1 / v", nan)));
  EXPECT_EQ(Value("1 / exp(1000)"), 0);
}

TEST(Grammar, VariablesAndAssignments)
{
  const std::map<std::string, double> x1{{"x", 1}};
  const struct {
    const char* formula;
    double value;
  } rows[] = {
      {"x += 2", 3},    {"x -= 3", -2},          {"x *= 3", 3}, {"x /= 4", 0.25}, {"x = 5; x", 5},
      {"2 * x = 3", 6}, {"x = y = 3; x + y", 6}, {"-x^2", -1},  {"X", 0},         {"x = x + 1; x", 2},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Value(row.formula, x1), row.value) << row.formula;
  }
}

TEST(Grammar, UndefinedVariableIsNotedOnceAndBecomesZero)
{
  const struct {
    const char* formula;
    double value;
    std::vector<int> codes;
  } rows[] = {
      {"w = 3; w * 2", 6, {32}}, {"z = 5", 5, {32}}, {"y + y", 0, {32}}, {"a + b", 0, {32, 32}}, {"2 * x", 2, {}},
  };
  for (const auto& row : rows) {
    const Outcome outcome = RunFormula(row.formula, {{"x", 1}});
    EXPECT_TRUE(outcome.ok) << row.formula;
    EXPECT_EQ(outcome.value, row.value) << row.formula;
    EXPECT_EQ(outcome.codes, row.codes) << row.formula;
  }
  EXPECT_EQ(RunFormula("x2 + 1").messages, std::vector<std::string>{"'x2' nicht definiert"});
}

TEST(Grammar, OuterVariablesComeAfterOwnAndBeforeConstants)
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

}  // namespace
