#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/QORParser.h"

namespace {

struct Variable {
  const char* fullName;
  double value;
};

class QORParser : public ::testing::Test {
 protected:
  void SetUp() override { SetAngleUnitProvider(nullptr); }

  std::vector<int> Codes() const
  {
    std::vector<int> codes;
    for (const CParserWarning& warning : m_parser.m_warnings) {
      codes.push_back(warning.code);
    }
    return codes;
  }

  CQORParser m_parser;
};

TEST_F(QORParser, Evaluates)
{
  const struct {
    std::vector<Variable> variables;
    const char* formula;
    double value;
    std::vector<int> codes;
  } rows[] = {
      {{{"a\\x", 2}, {"y", 3}}, "x*y", 6, {}},
      {{}, "2,5*2", 5, {}},
      {{}, "-5^2", -25, {}},
      {{{"x1e", 3}}, "x1e-5", -2, {}},
      {{{"x", 2}}, ".5 + x", 2.5, {}},
      {{}, "z + 1", 1, {32}},
      {{{"x", 2}}, "x*=3", 6, {}},
      {{{"pi", 3}}, "pi", 3, {}},
      {{{"c\\e", 1}}, "e + 1", 2, {}},
      {{{"a-b", 7}, {"b", 2}}, "a-b", -2, {32}},
      {{{"b\\x", 1}, {"a\\x", 2}}, "x", 2, {}},  // of two full names with one short name the later wins
  };
  for (const auto& row : rows) {
    CQORParser local;
    for (const Variable& variable : row.variables) {
      local.SetVariable(variable.fullName, "", "", variable.value);
    }
    double result = -99;
    EXPECT_TRUE(local.Evaluate(row.formula, result)) << row.formula;
    EXPECT_DOUBLE_EQ(result, row.value) << row.formula;
    EXPECT_EQ(local.m_warnings.size(), row.codes.size()) << row.formula;
  }
}

TEST_F(QORParser, FailuresLeaveTheResultAndReportOnce)
{
  const struct {
    const char* formula;
    std::vector<int> codes;
    const char* text;
  } rows[] = {
      {"1/0", {64}, "Division durch Null."},
      {"sqrt(y - 1)", {32}, "'y' nicht definiert"},
      {"1 .Lt. 2", {256}, "Unerwartete Zeichen: 0.Lt0. 2"},
      {"1e-x", {4}, "Fehlerhaftes Zahlenformat: '1e'"},
      {"x += 1", {32, 128}, "Unerwartetes Symbol: ="},
  };
  for (const auto& row : rows) {
    double result = 42;
    EXPECT_FALSE(m_parser.Evaluate(row.formula, result)) << row.formula;
    EXPECT_EQ(result, 42) << row.formula;
    EXPECT_EQ(Codes(), row.codes) << row.formula;
    EXPECT_EQ(m_parser.m_warnings.back().text, row.text) << row.formula;
  }
}

TEST_F(QORParser, AssignmentsDoNotReachTheTable)
{
  m_parser.SetVariable("x", "", "", 1);
  double result = 0;
  ASSERT_TRUE(m_parser.Evaluate("x = 5; z = 2", result));
  ASSERT_TRUE(m_parser.Evaluate("x + z", result));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Codes(), std::vector<int>{32});
}

TEST_F(QORParser, SetVariableWarnsWhenAValueIsReplaced)
{
  m_parser.SetVariable("x", "", "", 1);
  m_parser.SetVariable("a\\x", "", "", 1.000000001);
  m_parser.SetVariable("x", "", "", 2.345);
  ASSERT_EQ(Codes(), std::vector<int>{1});
  EXPECT_EQ(m_parser.m_warnings[0].text, "x wird überschrieben mit 2.35");

  double result = 0;
  ASSERT_TRUE(m_parser.Evaluate("x", result));
  EXPECT_EQ(result, 2.345);
  EXPECT_TRUE(m_parser.m_warnings.empty()) << "the evaluation empties the list first";
}

TEST_F(QORParser, CollectVariablesSortsByFullNameAndKeepsEveryBit)
{
  const double values[] = {1.0 / 3, -0.0, 4.9e-324, std::numeric_limits<double>::infinity()};
  m_parser.SetVariable("c", "", "", values[0]);
  m_parser.SetVariable("a\\x", "L", "mm", values[1]);
  m_parser.SetVariable("B", "", "", values[2]);
  m_parser.SetVariable("ä", "", "", values[3]);
  std::vector<std::string> fullNames{"kept"}, labels{"kept"}, units{"kept"};
  std::vector<double> collected{-1};
  m_parser.CollectVariables(fullNames, labels, units, collected);
  EXPECT_EQ(fullNames, (std::vector<std::string>{"kept", "B", "a\\x", "c", "ä"}));
  EXPECT_EQ(labels, (std::vector<std::string>{"kept", "", "L", "", ""}));
  EXPECT_EQ(units, (std::vector<std::string>{"kept", "", "mm", "", ""}));
  const double expected[] = {-1, values[2], values[1], values[0], values[3]};
  ASSERT_EQ(collected.size(), std::size(expected));
  for (std::size_t i = 0; i < collected.size(); ++i) {
    EXPECT_EQ(collected[i], expected[i]) << fullNames[i];
    EXPECT_EQ(std::signbit(collected[i]), std::signbit(expected[i])) << fullNames[i];
  }
}

// A bar in a label or unit, or a zero byte, changes the names that the sorted listing gives back;
// the evaluation must see the variables exactly as listed.
TEST_F(QORParser, EvaluationSeesTheVariablesAsListed)
{
  m_parser.SetVariable("x", "a|b", "", 5);
  std::vector<std::string> fullNames, labels, units;
  std::vector<double> values;
  m_parser.CollectVariables(fullNames, labels, units, values);
  EXPECT_EQ(fullNames, std::vector<std::string>{"x|a"});
  double result = -1;
  ASSERT_TRUE(m_parser.Evaluate("x", result));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Codes(), std::vector<int>{32});

  CQORParser zero;
  zero.SetVariable(std::string("p\\q\0r", 5), "", "", 3);
  ASSERT_TRUE(zero.Evaluate("q", result));
  EXPECT_EQ(result, 3);
}

// A formula is compiled once per text and shared by every parser: nothing of one evaluation (its
// variables, assignments, undefined names or failures) may reach the next one of the same text.
TEST_F(QORParser, SameTextEvaluatesAfreshWithEachTable)
{
  const struct {
    std::vector<Variable> variables;
    const char* formula;
    bool ok;
    double value;
    std::vector<int> codes;
  } rows[] = {
      {{{"x", 2}, {"y", 3}}, "x*y", true, 6, {}},
      {{{"x", 5}}, "x*y", true, 0, {32}},
      {{{"x", 5}, {"a\\y", 1}}, "x*y", true, 5, {}},
      {{{"x", 1}}, "x = x + 1; x", true, 2, {}},
      {{{"x", 1}}, "x = x + 1; x", true, 2, {}},
      {{}, "q + 1", true, 1, {32}},
      {{{"q", 4}}, "q + 1", true, 5, {}},
      {{{"z", 0}}, "1/z", false, 0, {64}},
      {{{"z", 2}}, "1/z", true, 0.5, {}},
      {{{"x", 1}}, "x + (1", false, 0, {512}},
      {{}, "x + (1", false, 0, {32, 512}},
  };
  for (const auto& row : rows) {
    CQORParser local;
    for (const Variable& variable : row.variables) {
      local.SetVariable(variable.fullName, "", "", variable.value);
    }
    double result = 0;
    EXPECT_EQ(local.Evaluate(row.formula, result), row.ok) << row.formula;
    EXPECT_EQ(result, row.value) << row.formula;
    std::vector<int> codes;
    for (const CParserWarning& warning : local.m_warnings) {
      codes.push_back(warning.code);
    }
    EXPECT_EQ(codes, row.codes) << row.formula;
  }
}

TEST_F(QORParser, ACopyReadsItsOwnTable)
{
  m_parser.SetVariable("x", "", "", 2);
  double result = 0;
  ASSERT_TRUE(m_parser.Evaluate("x*3", result));
  CQORParser copy = m_parser;
  m_parser.SetVariable("x", "", "", 5);
  ASSERT_TRUE(copy.Evaluate("x*3", result));
  EXPECT_EQ(result, 6);
}

TEST_F(QORParser, GlobalParserKnowsOnlyTheConstants)
{
  double result = 0;
  ASSERT_TRUE(theGlobalParser.Evaluate("pi * 2 + e", result));
  EXPECT_DOUBLE_EQ(result, 2 * 3.141592653589793 + 2.718281828459045);
}

}  // namespace
