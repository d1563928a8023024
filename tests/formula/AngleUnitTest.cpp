// The angle unit: read through the provider on the first trigonometric call, then kept.

#include <gtest/gtest.h>

#include <cmath>

#include "FormulaTesting.h"
#include "tavo/formula/AngleUnit.h"

namespace {

class AngleUnit : public ::testing::Test {
 protected:
  void Use(int unit)
  {
    SetAngleUnitProvider([this, unit] {
      ++m_reads;
      return unit;
    });
  }
  void TearDown() override { SetAngleUnitProvider(nullptr); }

  int m_reads = 0;
};

TEST_F(AngleUnit, DegreesGonAndRadians)
{
  const std::tuple<int, const char*, double> rows[] = {
      {1, "sin(90)", 1},     {1, "cos(180)", -1},
      {1, "tan(45)", 1},     {1, "cot(45)", 1},
      {1, "acos(0)", 90},    {1, "atan(1)", 45},
      {1, "acot(0)", 90},    {1, "rad(180)", 3.141592653589793},
      {2, "asin(1)", 100},   {2, "acot(1)", 50},
      {2, "cos(200)", -1},   {0, "acos(-1)", 3.141592653589793},
      {7, "sin(pi / 2)", 1}, {-5, "atan(1)", 0.78539816339744828},
  };
  for (const auto& [unit, formula, value] : rows) {
    Use(unit);
    EXPECT_DOUBLE_EQ(Value(formula), value) << unit << ": " << formula;
  }
}

TEST_F(AngleUnit, IsReadOnceOnTheFirstTrigonometricCallButMinusOneAtEveryUse)
{
  Use(1);
  Value("sinh(1) + rad(1) + abs(1)");
  EXPECT_EQ(m_reads, 0);
  Value("sin(1) + cos(1) + tan(1) + cot(1) + asin(1) + acos(1) + atan(1) + acot(1)");
  EXPECT_EQ(m_reads, 1);
  Value("sin(30)");
  EXPECT_EQ(m_reads, 1);
  Use(-1);
  EXPECT_DOUBLE_EQ(Value("sin(pi / 2) + cos(0)"), 2);
  EXPECT_EQ(m_reads, 3);
}

}  // namespace
