// The function tables with their special values, in radians.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FormulaTesting.h"
#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/FormulaRandom.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;

class Functions : public ::testing::Test {
 protected:
  void SetUp() override { SetAngleUnitProvider(nullptr); }
};

TEST_F(Functions, Values)
{
  const struct {
    const char* formula;
    double value;
  } rows[] = {
      {"abs(-2)", 2},
      {"ceil(1.2)", 2},
      {"floor(-1.2)", -2},
      {"exp(0)", 1},
      {"log(e)", 1},
      {"log(0)", -kInf},
      {"log10(1000)", 3},
      {"log10(0)", -kInf},
      {"sqrt(16)", 4},
      {"sqrt(0)", 0},
      {"sinh(0)", 0},
      {"cosh(0)", 1},
      {"tanh(0)", 0},
      {"coth(0)", kInf},
      {"cot(0)", kInf},
      {"arcosh(1)", 0},
      {"arsinh(0)", 0},
      {"artanh(0)", 0},
      {"arcoth(3)", 0.5 * std::log(2.0)},
      {"sin(pi / 2)", 1},
      {"cos(0)", 1},
      {"tan(0)", 0},
      {"atan(1)", kPi / 4},
      {"acot(0)", kPi / 2},
      {"acot(1)", 1.5707963267948966 - std::atan(1.0)},
      {"asin(1)", kPi / 2},
      {"acos(1)", 0},
      {"int(-2.7)", -2},
      {"int(2.7)", 2},
      {"int(1e10)", -2147483648.0},
      {"int(-1e10)", -2147483648.0},
      {"rad(180)", kPi},
      {"rad(1)", kPi / 180},
      {"grad(pi)", 180},
      {"grad (1)", 180 / kPi},
      {"min(1; 2)", 1},
      {"max(1; 2)", 2},
      {"mod(-7; 3)", -1},
      {"mod(7; -3)", 1},
      {"mod(7.5; 2)", 1.5},
      {"pow(2; 10)", 1024},
      {"pow(0; 0)", 1},
      {"if(1; 2; 3)", 2},
      {"if(0; 2; 3)", 3},
      {"if(-0.5; 2; 3)", 2},
      {"ndate(1; 1; 2000)", 109514},
      {"ndate(1; 3; 2000) - ndate(1; 1; 2000)", 60},
      {"ndate(1; 3; 1900) - ndate(1; 1; 1900)", 60},
      {"ndate(1; 1; 2001) - ndate(1; 1; 2000)", 366},
      {"ndate(1.5; 1; 2000) - ndate(1; 1; 2000)", 0.5},
      {"ndate(1; 3.9; 2000) - ndate(1; 3; 2000)", 27},
      {"rand(0.9)", 0},
      {"rand(-3)", 0},
      {"rand(1)", 0},
      {"roll(2; 0)", 2},
      {"roll(0; 6)", 0},
      {"roll(-5; 6)", 0},
      {"roll(3; 1)", 3},
      {"roll(1000000; 1)", 1000000},
  };
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(Value(row.formula), row.value) << row.formula;
  }
}

TEST_F(Functions, NotANumberWithoutFailure)
{
  for (const char* formula : {"arcosh(0.5)", "artanh(2)", "arcoth(0.5)", "pow(-1; 0.5)", "sqrt(pow(-1; 0.5))"}) {
    EXPECT_TRUE(std::isnan(Value(formula))) << formula;
  }
  EXPECT_EQ(Value("int(pow(-1; 0.5))"), -2147483648.0);
}

TEST_F(Functions, BothBranchesOfIfAreEvaluated)
{
  EXPECT_EQ(RunFormula("if(0; 1/0; 5)").codes, std::vector<int>{64});
  EXPECT_EQ(Value("if(1; x = 2; x = 3); x"), 3);
}

TEST_F(Functions, RandomFunctionsStayInTheirRanges)
{
  SeedFormulaRandom(7);
  for (int i = 0; i < 200; ++i) {
    const double die = Value("rand(6)");
    EXPECT_TRUE(die >= 0 && die < 6 && die == std::floor(die)) << die;
    const double dice = Value("roll(3; 6)");
    EXPECT_TRUE(dice >= 3 && dice <= 18 && dice == std::floor(dice)) << dice;
    EXPECT_EQ(Value("percent(1)"), 0);
    EXPECT_EQ(Value("percent(0)"), 0);
    EXPECT_EQ(Value("percent(1e10)"), 0);
    EXPECT_EQ(Value("percent(100)"), 1);
    EXPECT_EQ(Value("percent(250)"), 1);
  }
}

// percent(k) wins with a chance of k-1 in 100: about 100 wins of 10000 draws for k = 2, never 200.
TEST_F(Functions, PercentWinsKMinusOneInAHundred)
{
  SeedFormulaRandom(11);
  int wins = 0;
  for (int i = 0; i < 10000; ++i) {
    wins += static_cast<int>(Value("percent(2.9)"));
  }
  EXPECT_GT(wins, 50);
  EXPECT_LT(wins, 150);
}

TEST_F(Functions, SeedingRepeatsTheDraws)
{
  SeedFormulaRandom(42);
  const double first = Value("rand(1000000) + rand(1000000) * 1000000");
  SeedFormulaRandom(42);
  EXPECT_EQ(Value("rand(1000000) + rand(1000000) * 1000000"), first);
}

}  // namespace
