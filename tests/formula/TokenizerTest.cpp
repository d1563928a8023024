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

TEST(Tokenizer, BadCharactersAndLiterals)
{
  const struct {
    const char* formula;
    int code;
    const char* german;
    const char* english;
  } rows[] = {
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
  };
  for (const auto& row : rows) {
    const Outcome outcome = RunFormula(row.formula);
    EXPECT_FALSE(outcome.ok) << row.formula;
    EXPECT_EQ(outcome.codes, std::vector<int>{row.code}) << row.formula;
    EXPECT_EQ(outcome.messages, std::vector<std::string>{row.german}) << row.formula;
    EXPECT_EQ(outcome.english, row.english) << row.formula;
  }
}

}  // namespace
