#include <gtest/gtest.h>

#include "tavo/formula/PrepareFormula.h"

namespace {

TEST(PrepareFormula, Replacements)
{
  const std::pair<const char*, const char*> rows[] = {
      {"1 .LT. 2 .AND. .TRUE.", "1 < 2 && 1"},
      {"a.EQ.b.or.a.ne.b.and.a.gt.b", "a==b||a!=b&&a>b"},
      {".FALSE..or..true.", "0||1"},
      {"1 .Lt. 2", "1 0.Lt0. 2"},  // mixed case stays, its points become numbers
      {"a.GT.EQ.b", "a0.GT==b"},   // .EQ. comes first and takes the point
      {"2,5*2", "2.5*2"},
      {"-5^2", " - 5^2"},
      {"x+=1", "x + =1"},
      {"a.b", "a0.b"},
      {"2#", "20."},
      {",5", "0.5"},
      // the sign of an exponent stays with its number
      {"1e-5", "1e-5"},
      {"1,5e-3", "1.5e-3"},
      {"(1)2e-5", "(1)2e-5"},
      {"x1e-5", "x1e - 5"},
      {"12-3", "12 - 3"},
      {"1e-x", "1e - x"},
      {".e-5", "0.e - 5"},
  };
  for (const auto& [formula, prepared] : rows) {
    EXPECT_EQ(PrepareFormula(formula), prepared) << formula;
  }
}

}  // namespace
