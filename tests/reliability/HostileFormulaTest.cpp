// Hostile formulas: each gives its documented value or fails with a clear code, quickly, without
// undefined behaviour (the sanitizer build runs these too).

#include "tavo/formula/Double.h"
#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/QORParser.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kAnyFinite = -0.5;  // marks rows whose value is random but must be a number
constexpr double kIntMin = -2147483648.0;

struct HostileFormula {
  std::string label;
  std::string formula;
  int failCode;  // 0: the evaluation succeeds
  double value;  // when it succeeds; NaN matches NaN
};

std::string Repeat(const std::string& text, int times)
{
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}

std::vector<HostileFormula> Table()
{
  return {
      {"deep parentheses", Repeat("(", 100000) + "1" + Repeat(")", 100000), kCodeTooComplex, 0},
      {"parentheses within the bound", Repeat("(", 100) + "1" + Repeat(")", 100), 0, 1},
      {"unary minus chain", Repeat("-", 100000) + "1", kCodeTooComplex, 0},
      {"negation chain", Repeat("!", 100000) + "0", kCodeTooComplex, 0},
      {"nested calls", Repeat("abs(", 50000) + "1" + Repeat(")", 50000), kCodeTooComplex, 0},
      {"huge roll", "roll(2000000; 6)", kCodeTooComplex, 0},
      {"roll count beyond int", "roll(1e10; 6)", 0, 0},
      {"roll sum beyond int", "roll(1000000; 2147483647)", 0, kAnyFinite},
      {"roll sides beyond int", "roll(3; 1e300)", 0, 3},
      {"zero by zero", "0/0", kCodeDivideByZero, 0},
      {"square root of -1", "sqrt(-1)", kCodeBadNumber, 0},
      {"NaN from pow", "pow(-1; 0.5)", 0, kNaN},
      {"infinity", "exp(1000)", 0, kInf},
      {"minus infinity", "-exp(1000)", 0, -kInf},
      {"infinity minus infinity", "exp(1000) - exp(1000)", 0, kNaN},
      {"int of infinity", "int(exp(1000))", 0, kIntMin},
      {"int of NaN", "int(pow(-1; 0.5))", 0, kIntMin},
      {"int overflow", "int(2147483647 + 1)", 0, kIntMin},
      {"no integer overflow in sums", "2147483647 + 1", 0, 2147483648.0},
      {"percent beyond int", "percent(1e300)", 0, 0},
      {"rand below int", "rand(-1e300)", 0, 0},
      {"ndate beyond int", "ndate(1e300; 1e300; 1e300)", 0, 1e300},
      {"very long name", std::string(100000, 'a') + " + 1", 0, 1},
      {"number too large", "1" + std::string(400, '0'), kCodeBadNumber, 0},
      {"very long number", std::string(100000, '1'), kCodeBadNumber, 0},
      {"very long fraction", "0." + std::string(100000, '0') + "1", 0, 0},
      {"umlaut", "\xC3\x84 + 1", kCodeIllegalCharacter, 0},
      {"byte 255", "\xFF", kCodeIllegalCharacter, 0},
      {"byte 128 after a name", "x\x80", kCodeIllegalCharacter, 0},
      {"zero byte",
       std::string("1\0"
                   "2",
                   3),
       kCodeIllegalCharacter, 0},
  };
}

void ExpectOutcome(const HostileFormula& row)
{
  SCOPED_TRACE(row.label);
  CQORParser parser;
  double result = 12345;
  const bool ok = parser.Evaluate(row.formula, result);
  ASSERT_EQ(ok, row.failCode == 0) << (parser.m_warnings.empty() ? "" : parser.m_warnings.front().text);
  if (!ok) {
    EXPECT_EQ(result, 12345) << "a failed evaluation changed the result";
    ASSERT_FALSE(parser.m_warnings.empty());
    EXPECT_EQ(parser.m_warnings.back().code, row.failCode) << parser.m_warnings.back().text;
  } else if (row.value == kAnyFinite) {
    EXPECT_TRUE(std::isfinite(result)) << result;
  } else if (std::isnan(row.value)) {
    EXPECT_TRUE(std::isnan(result)) << result;
  } else {
    EXPECT_EQ(result, row.value);
  }
}

// Switches the C library to a German locale for the scope, as Qt does in the application.
class GermanLocale {
 public:
  GermanLocale() : m_previous(std::setlocale(LC_ALL, nullptr)) { m_active = std::setlocale(LC_ALL, "de_DE.UTF-8"); }
  ~GermanLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
  bool Active() const { return m_active != nullptr; }

 private:
  std::string m_previous;
  const char* m_active = nullptr;
};

}  // namespace

TEST(HostileFormula, EachGivesItsValueOrAClearFailure)
{
  for (const HostileFormula& row : Table())
    ExpectOutcome(row);
}

TEST(HostileFormula, SameOutcomesAndDecimalCommaUnderAGermanLocale)
{
  GermanLocale german;
  ASSERT_TRUE(german.Active()) << "the locale de_DE.UTF-8 is missing (scripts/install-deps.sh generates it)";
  char text[8];
  std::snprintf(text, sizeof text, "%g", 1.5);
  ASSERT_STREQ(text, "1,5") << "the C library did not switch";

  for (const HostileFormula& row : Table())
    ExpectOutcome(row);
  ExpectOutcome({"decimal comma", "2,5*2", 0, 5});
  ExpectOutcome({"decimal point", "2.5*2", 0, 5});
  CDouble typed;
  typed.SetText("1,5");
  EXPECT_TRUE(typed.m_isNumber);
  EXPECT_EQ(typed.GetValue(), 1.5);
  typed = 0.1;
  EXPECT_EQ(typed.GetText(), "0.1");
}
