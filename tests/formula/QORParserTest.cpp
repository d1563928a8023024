#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "tavo/formula/QORParser.h"

namespace {

std::vector<int> Codes(const CQORParser& parser)
{
  std::vector<int> codes;
  for (const CParserWarning& warning : parser.m_warnings) {
    codes.push_back(warning.code);
  }
  return codes;
}

// A formula is compiled once per text and shared by every parser: nothing of one evaluation (its
// variables, assignments, undefined names or failures) may reach the next one of the same text. A
// failure leaves the result as it was and reports once.
TEST(QORParser, EvaluatesAfreshWithEachTable)
{
  const struct {
    std::vector<std::pair<const char*, double>> variables;  // full name, value
    const char* formula;
    bool ok;
    double value;  // a failure leaves the result at 42
    std::vector<int> codes;
    const char* lastWarning = nullptr;
  } rows[] = {
      {{{"a\\x", 2}, {"y", 3}}, "x*y", true, 6, {}},
      {{{"x", 5}}, "x*y", true, 0, {32}},
      {{{"x", 5}, {"a\\y", 1}}, "x*y", true, 5, {}},
      {{}, "2,5*2", true, 5, {}},
      {{}, "-5^2", true, -25, {}},
      {{{"x", 2}}, "x*=3", true, 6, {}},
      {{{"pi", 3}}, "pi", true, 3, {}},
      {{{"c\\e", 1}}, "e + 1", true, 2, {}},
      {{{"a-b", 7}, {"b", 2}}, "a-b", true, -2, {32}},
      {{{"b\\x", 1}, {"a\\x", 2}}, "x", true, 2, {}},  // of two full names with one short name the later wins
      {{{"x", 1}}, "x = x + 1; x", true, 2, {}},
      {{{"x", 1}}, "x = x + 1; x", true, 2, {}},
      {{}, "q + 1", true, 1, {32}},
      {{{"q", 4}}, "q + 1", true, 5, {}},
      {{{"z", 0}}, "1/z", false, 42, {64}, "Division durch Null."},
      {{{"z", 2}}, "1/z", true, 0.5, {}},
      {{{"x", 1}}, "x + (1", false, 42, {512}},
      {{}, "x + (1", false, 42, {32, 512}},
      {{}, "sqrt(y - 1)", false, 42, {32}, "'y' nicht definiert"},
      {{}, "sqrt(-1)", false, 42, {4}, "Fehler in sqrt"},
      {{}, "1 .Lt. 2", false, 42, {256}, "Unerwartete Zeichen: 0.Lt0. 2"},
      {{}, "1e-x", false, 42, {4}, "Fehlerhaftes Zahlenformat: '1e'"},
      {{}, "x += 1", false, 42, {32, 128}, "Unerwartetes Symbol: ="},
  };
  for (const auto& row : rows) {
    CQORParser local;
    for (const auto& [fullName, value] : row.variables) {
      local.SetVariable(fullName, "", "", value);
    }
    double result = 42;
    EXPECT_EQ(local.Evaluate(row.formula, result), row.ok) << row.formula;
    EXPECT_DOUBLE_EQ(result, row.value) << row.formula;
    ASSERT_EQ(Codes(local), row.codes) << row.formula;
    if (row.lastWarning) {
      EXPECT_EQ(local.m_warnings.back().text, row.lastWarning) << row.formula;
    }
  }
}

TEST(QORParser, AssignmentsDoNotReachTheTable)
{
  CQORParser parser;
  parser.SetVariable("x", "", "", 1);
  double result = 0;
  ASSERT_TRUE(parser.Evaluate("x = 5; z = 2", result));
  ASSERT_TRUE(parser.Evaluate("x + z", result));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Codes(parser), std::vector<int>{32});
}

TEST(QORParser, SetVariableWarnsWhenAValueIsReplaced)
{
  CQORParser parser;
  parser.SetVariable("x", "", "", 1);
  parser.SetVariable("a\\x", "", "", 1.000000001);
  parser.SetVariable("x", "", "", 2.345);
  ASSERT_EQ(Codes(parser), std::vector<int>{1});
  EXPECT_EQ(parser.m_warnings[0].text, "x wird überschrieben mit 2.35");

  double result = 0;
  ASSERT_TRUE(parser.Evaluate("x", result));
  EXPECT_EQ(result, 2.345);
  EXPECT_TRUE(parser.m_warnings.empty()) << "the evaluation empties the list first";
}

// A bar in a label or unit, or a zero byte, changes the names that the sorted listing gives back;
// the evaluation must see the variables exactly as listed.
TEST(QORParser, CollectVariablesSortsByFullNameKeepsEveryBitAndIsWhatTheEvaluationSees)
{
  CQORParser parser;
  const double values[] = {1.0 / 3, -0.0, 4.9e-324, std::numeric_limits<double>::infinity(), 5};
  parser.SetVariable("c", "", "", values[0]);
  parser.SetVariable("a\\x", "L", "mm", values[1]);
  parser.SetVariable("B", "", "", values[2]);
  parser.SetVariable("ä", "", "", values[3]);
  parser.SetVariable("y", "a|b", "", values[4]);
  std::vector<std::string> fullNames{"kept"}, labels{"kept"}, units{"kept"};
  std::vector<double> collected{-1};
  parser.CollectVariables(fullNames, labels, units, collected);
  EXPECT_EQ(fullNames, (std::vector<std::string>{"kept", "B", "a\\x", "c", "y|a", "ä"}));
  EXPECT_EQ(labels, (std::vector<std::string>{"kept", "", "L", "", "b", ""}));
  EXPECT_EQ(units, (std::vector<std::string>{"kept", "", "mm", "", "", ""}));
  const double expected[] = {-1, values[2], values[1], values[0], values[4], values[3]};
  ASSERT_EQ(collected.size(), std::size(expected));
  EXPECT_EQ(std::memcmp(collected.data(), expected, sizeof expected), 0);
  double result = -1;
  ASSERT_TRUE(parser.Evaluate("y", result));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Codes(parser), std::vector<int>{32});

  CQORParser zero;
  zero.SetVariable(std::string("p\\q\0r", 5), "", "", 3);
  ASSERT_TRUE(zero.Evaluate("q", result));
  EXPECT_EQ(result, 3);
}

TEST(QORParser, ACopyReadsItsOwnTable)
{
  CQORParser parser;
  parser.SetVariable("x", "", "", 2);
  double result = 0;
  ASSERT_TRUE(parser.Evaluate("x*3", result));
  CQORParser copy = parser;
  parser.SetVariable("x", "", "", 5);
  ASSERT_TRUE(copy.Evaluate("x*3", result));
  EXPECT_EQ(result, 6);
}

TEST(QORParser, GlobalParserKnowsOnlyTheConstants)
{
  double result = 0;
  ASSERT_TRUE(theGlobalParser.Evaluate("pi * 2 + e", result));
  EXPECT_DOUBLE_EQ(result, 2 * 3.141592653589793 + 2.718281828459045);
}

}  // namespace
