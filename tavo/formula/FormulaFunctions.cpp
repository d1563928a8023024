#include "tavo/formula/FormulaFunctions.h"

#include <cmath>
#include <cstdint>
#include <map>

#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/FormulaCode.h"
#include "tavo/formula/FormulaRandom.h"
#include "tavo/text/NumberText.h"

namespace {

using Table = std::map<std::string_view, FormulaFunction, std::less<>>;

constexpr double kPi = 3.141592653589793;

// Trigonometry in the angle unit: 1 degrees, 2 gon, anything else radians.
double ToRadians(double angle)
{
  switch (CurrentAngleUnit()) {
    case 1: return angle * 0.017453292519943295;
    case 2: return angle * 0.015707963267948967;
    default: return angle;
  }
}

double FromRadians(double angle)
{
  switch (CurrentAngleUnit()) {
    case 1: return angle * 57.29577951308232;
    case 2: return angle * 63.66197723675813;
    default: return angle;
  }
}

double DomainError(FunctionFault& fault, const char* text)
{
  fault.text = text;
  return 0;
}

// Wraps a function of one double into a table entry.
template <double (*f)(double)>
FormulaFunction One(bool random = false)
{
  return {1, [](const double* x, FunctionFault&) { return f(x[0]); }, random};
}

// The same for a function with a domain.
template <double (*f)(double, FunctionFault&)>
FormulaFunction Partial()
{
  return {1, [](const double* x, FunctionFault& fault) { return f(x[0], fault); }};
}

template <double (*f)(double, double)>
FormulaFunction Two()
{
  return {2, [](const double* x, FunctionFault&) { return f(x[0], x[1]); }};
}

double Abs(double x)
{
  return std::fabs(x);
}
double Ceil(double x)
{
  return std::ceil(x);
}
double Floor(double x)
{
  return std::floor(x);
}
double Exp(double x)
{
  return std::exp(x);
}
double Cosh(double x)
{
  return std::cosh(x);
}
double Sinh(double x)
{
  return std::sinh(x);
}
double Tanh(double x)
{
  return std::tanh(x);
}
double Coth(double x)
{
  return 1 / std::tanh(x);
}
double Sin(double x)
{
  return std::sin(ToRadians(x));
}
double Cos(double x)
{
  return std::cos(ToRadians(x));
}
double Tan(double x)
{
  return std::tan(ToRadians(x));
}
double Cot(double x)
{
  return 1 / std::tan(ToRadians(x));
}
double Atan(double x)
{
  return FromRadians(std::atan(x));
}
double Acot(double x)
{
  return FromRadians(1.5707963267948966 - std::atan(x));
}
double Arcosh(double x)
{
  return std::log(x + std::sqrt(x * x - 1));
}
double Arsinh(double x)
{
  return std::log(x + std::sqrt(x * x + 1));
}
double Artanh(double x)
{
  return 0.5 * std::log((1 + x) / (1 - x));
}
double Arcoth(double x)
{
  return 0.5 * std::log((x + 1) / (x - 1));
}
double Rad(double x)
{
  return x * kPi / 180;
}
double Grad(double x)
{
  return x * 180 / kPi;
}
double Int(double x)
{
  return ToInt32(x);
}

double Asin(double x, FunctionFault& fault)
{
  if (std::fabs(x) > 1) {
    return DomainError(fault, "Fehler in asin");
  }
  return FromRadians(std::asin(x));
}

double Acos(double x, FunctionFault& fault)
{
  if (std::fabs(x) > 1) {
    return DomainError(fault, "Fehler in acos");
  }
  return FromRadians(std::acos(x));
}

double Log(double x, FunctionFault& fault)
{
  if (x < 0) {
    return DomainError(fault, "Fehler in log");
  }
  return std::log(x);
}

double Log10(double x, FunctionFault& fault)
{
  if (x < 0) {
    return DomainError(fault, "Fehler in log10");
  }
  return std::log10(x);
}

double Sqrt(double x, FunctionFault& fault)
{
  if (x < 0) {
    return DomainError(fault, "Fehler in sqrt");
  }
  return std::sqrt(x);
}

double Rand(double n)
{
  const std::int32_t limit = ToInt32(n);
  return limit >= 1 ? NextFormulaRandom() % limit : 0;
}

// percent(k) is 1 with a chance of k-1 in 100: r > 100 - k for r in 0..99.
double Percent(double p)
{
  const std::int32_t k = ToInt32(p);
  if (k <= 0) {
    return 0;
  }
  if (k >= 100) {
    return 1;
  }
  return NextFormulaRandom() % 100 > 100 - k ? 1 : 0;
}

double Min(double a, double b)
{
  return a > b ? b : a;
}
double Max(double a, double b)
{
  return b > a ? b : a;
}
double Pow(double a, double b)
{
  return std::pow(a, b);
}

double Mod(const double* x, FunctionFault& fault)
{
  if (x[1] == 0) {
    return DomainError(fault, "Divide by zero in mod");
  }
  return std::fmod(x[0], x[1]);
}

// The sum wraps around as a 32-bit integer would.
double Roll(const double* x, FunctionFault& fault)
{
  const std::int32_t count = ToInt32(x[0]);
  const std::int32_t sides = ToInt32(x[1]);
  if (count > kMaxRollThrows) {
    fault = {"Too many throws in roll (at most 1000000)", kCodeTooComplex,
             "Zu viele Würfe in roll (höchstens 1000000)."};
    return 0;
  }
  std::uint32_t sum = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += 1 + static_cast<std::uint32_t>(sides >= 1 ? NextFormulaRandom() % sides : 0);
  }
  return static_cast<std::int32_t>(sum);
}

// Both branches are evaluated before the call; a NaN condition counts as true.
double If(const double* x, FunctionFault&)
{
  return x[0] != 0 ? x[1] : x[2];
}

// Day number with 365.25 days a year: every fourth year is a leap year, 1900 included.
double Ndate(const double* x, FunctionFault&)
{
  const double d = x[0];
  const double m = x[1];
  const double y = m > 2 ? x[2] : x[2] - 1;
  const int k = m > 2 ? 1 : 13;
  const auto years = static_cast<std::uint32_t>(ToInt32(y * 365.25));
  const auto months = static_cast<std::uint32_t>(ToInt32((m + k) * -30.6));
  return static_cast<std::int32_t>(years - months) + d - 621049;
}

const Table& OneArgumentFunctions()
{
  static const Table table = {
      {"abs", One<Abs>()},       {"acos", Partial<Acos>()},       {"asin", Partial<Asin>()}, {"atan", One<Atan>()},
      {"acot", One<Acot>()},     {"arcosh", One<Arcosh>()},       {"arsinh", One<Arsinh>()}, {"artanh", One<Artanh>()},
      {"arcoth", One<Arcoth>()}, {"ceil", One<Ceil>()},           {"cos", One<Cos>()},       {"cosh", One<Cosh>()},
      {"cot", One<Cot>()},       {"coth", One<Coth>()},           {"exp", One<Exp>()},       {"floor", One<Floor>()},
      {"log", Partial<Log>()},   {"log10", Partial<Log10>()},     {"sin", One<Sin>()},       {"sinh", One<Sinh>()},
      {"tan", One<Tan>()},       {"tanh", One<Tanh>()},           {"sqrt", Partial<Sqrt>()}, {"int", One<Int>()},
      {"rand", One<Rand>(true)}, {"percent", One<Percent>(true)}, {"rad", One<Rad>()},       {"grad", One<Grad>()},
  };
  return table;
}

const Table& TwoArgumentFunctions()
{
  static const Table table = {
      {"min", Two<Min>()}, {"max", Two<Max>()}, {"mod", {2, Mod}}, {"pow", Two<Pow>()}, {"roll", {2, Roll, true}},
  };
  return table;
}

const Table& ThreeArgumentFunctions()
{
  static const Table table = {
      {"if", {3, If}},
      {"ndate", {3, Ndate}},
  };
  return table;
}

// Fills the tables while the program starts, not at the first call.
[[maybe_unused]] const bool filledAtStart =
    (OneArgumentFunctions(), TwoArgumentFunctions(), ThreeArgumentFunctions(), true);

}  // namespace

const FormulaFunction* FindFunction(std::string_view name)
{
  for (const Table* table : {&OneArgumentFunctions(), &TwoArgumentFunctions(), &ThreeArgumentFunctions()}) {
    if (const auto found = table->find(name); found != table->end()) {
      return &found->second;
    }
  }
  return nullptr;
}
