// The recalculation routine that material objects and the property grid share.

#include "tavo/material/Recalculation.h"

#include "tavo/formula/FormulaRandom.h"

#include <gtest/gtest.h>

#include <string>

TEST(Recalculation, ValuesFormatsChainsAndCycles)
{
  struct Row {
    ShortNameTexts values;
    ShortNameTexts formulas;
    ShortNameTexts expected;  // only the entries named here are compared
  };
  const Row rows[] = {
      // A plain value feeds a formula; the stored "20.0" becomes the "%lg" text.
      {{{"fck", "30"}, {"fcd", "20.0"}}, {{"fcd", "fck/1.5"}}, {{"fck", "30"}, {"fcd", "20"}}},
      // Six significant digits, exponent form for large and small numbers.
      {{{"x", "3.14159265"}}, {{"x", "pi"}}, {{"x", "3.14159"}}},
      {{{"big", ""}, {"small", ""}},
       {{"big", "1250000"}, {"small", "1/100000"}},
       {{"big", "1.25e+06"}, {"small", "1e-05"}}},
      // Value texts are read as their longest numeric prefix: a comma ends the number, no number is 0.
      {{{"a", "2,5"}, {"b", "kein"}, {"c", "  1.5e3 kN"}, {"s", ""}}, {{"s", "a + b + c"}}, {{"s", "1502"}}},
      // An empty formula leaves the value as it stands and makes it a variable.
      {{{"a", "4"}, {"b", ""}}, {{"a", ""}, {"b", "a*2"}}, {{"a", "4"}, {"b", "8"}}},
      // A formula that cannot be evaluated yields the number it starts with, or 0.
      {{{"q", "7"}, {"r", "7"}}, {{"q", "2/0"}, {"r", "sqrt(0 - 1)"}}, {{"q", "2"}, {"r", "0"}}},
      // Each formula refers to the one after it in the map's order, the worst order for a pass.
      {{{"a", ""}, {"b", ""}, {"c", ""}, {"d", "1"}},
       {{"a", "b + 1"}, {"b", "c + 1"}, {"c", "d + 1"}},
       {{"a", "4"}, {"b", "3"}, {"c", "2"}, {"d", "1"}}},
      // A cycle stops after formulas + 1 passes. Pass 1: a = 0 + 1, b = 2; pass 2: a = 3, b = 4;
      // pass 3 (the last of 2 + 1): a = 5, b = 6.
      {{{"a", "0"}, {"b", "0"}}, {{"a", "b + 1"}, {"b", "a + 1"}}, {{"a", "5"}, {"b", "6"}}},
      // A formula that refers to itself sees its own previous pass.
      {{{"s", "100"}}, {{"s", "s + 1"}}, {{"s", "2"}}},
  };
  for (const Row& row : rows) {
    const ShortNameTexts result = RecalculateValues(row.values, row.formulas);
    for (const auto& [name, text] : row.expected) {
      ASSERT_TRUE(result.count(name)) << name;
      EXPECT_EQ(result.at(name), text) << name;
    }
  }
}

TEST(Recalculation, ThirtyDeepChainReachesItsFinalValue)
{
  // Thirty deep: v00 = v01 + 1, ..., v29 = base + 1.
  ShortNameTexts values{{"base", "0"}};
  ShortNameTexts formulas;
  for (int i = 0; i < 30; ++i) {
    const std::string name = (i < 10 ? "v0" : "v") + std::to_string(i);
    const std::string next = i == 29 ? "base" : (i + 1 < 10 ? "v0" : "v") + std::to_string(i + 1);
    values[name] = "";
    formulas[name] = next + " + 1";
  }
  EXPECT_EQ(RecalculateValues(values, formulas).at("v00"), "30");
}

// A formula that starts with a number is evaluated once to tell it from that number and once as
// typed. The second evaluation may only be left out where it cannot differ from the first.
TEST(Recalculation, FormulaStartingWithANumberCountsAsTyped)
{
  // Read with a point "2.LT.3" is 1, not 2: a formula; as typed, with its comma, it fails, and
  // the value of the first evaluation stays with the warning of the second.
  ShortNameWarnings warnings;
  EXPECT_EQ(RecalculateValues({{"v", ""}}, {{"v", "2,LT,3"}}, &warnings).at("v"), "1");
  ASSERT_EQ(warnings["v"].size(), 1u);
  EXPECT_EQ(warnings["v"][0].code, 256);

  // Random draws: both evaluations draw, in each of the two passes, and the last one counts.
  SeedFormulaRandom(7);
  const std::string value = RecalculateValues({{"r", ""}}, {{"r", "1 + rand(1000000)"}}).at("r");
  SeedFormulaRandom(7);
  NextFormulaRandom(), NextFormulaRandom(), NextFormulaRandom();
  EXPECT_EQ(value, std::to_string(1 + NextFormulaRandom() % 1000000));
}
