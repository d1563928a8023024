// Tokens as the evaluator reads them, without the parser's preparation of the text.

#include <gtest/gtest.h>

#include "FormulaTesting.h"

namespace {

TEST(Tokenizer, NumberLiterals)
{
  const struct {
    const char* formula;
    double value;
  } rows[] = {
      {"1.", 1},
      {"12.5", 12.5},
      {"1e5", 1e5},
      {"1E+2", 100},
      {"2.5e-1", 0.25},
      {"1e-400", 0},
      {"007.50", 7.5},
      {" \t\n\v\f\r3 \r\n", 3},
      // a sign directly before a digit belongs to the number in operand position only
      {"-2^2", 4},
      {"+5", 5},
      {"2^-1", 0.5},
      {"1 - -1", 2},
      {"1 -1", 0},
      {"3-2", 1},
      {"1<=-1", 0},
      {"1!=-1", 1},
      {"1&&0||1", 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Value(row.formula), row.value) << row.formula;
  }
}

}  // namespace
