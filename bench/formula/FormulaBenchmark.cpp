// One-shot evaluation as a material object does it: thirty variables entered into a fresh
// parser, then one formula evaluated, and everything discarded. muparser does the same work in
// the same run: define the variables, set the expression, evaluate.
// Compiled evaluation as a recalculation pass does it: the same formula evaluated again and again
// with the variables in place; muparser evaluates its own compiled form (bytecode) of it.
// At the end the mean time per formula of both and their ratios are printed.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tavo/formula/CompiledFormulas.h"
#include "tavo/formula/QORParser.h"

namespace {

struct Formula {
  const char* ours;
  const char* muparser;  // the same formula in muparser's spelling
};

const Formula kFormulas[] = {
    {"fck/gamma_c*alpha_cc", "fck/gamma_c*alpha_cc"},
    {"0.3*fck^(2/3)", "0.3*fck^(2/3)"},
    {"22*((fck+8)/10)^0.3", "22*((fck+8)/10)^0.3"},
    {"if(fck<=50; 3.5; 2.6+35*((90-fck)/100)^4)", "fck<=50 ? 3.5 : 2.6+35*((90-fck)/100)^4"},
    {"fyk/gamma_s", "fyk/gamma_s"},
};

struct Variable {
  const char* name;
  double value;
};

const Variable kVariables[30] = {
    {"fck", 30},       {"fck_cube", 37}, {"fcm", 38},      {"fctm", 2.9},      {"fctk_005", 2.0}, {"fctk_095", 3.8},
    {"Ecm", 33000},    {"eps_c1", 2.2},  {"eps_cu1", 3.5}, {"eps_c2", 2.0},    {"eps_cu2", 3.5},  {"n", 2.0},
    {"eps_c3", 1.75},  {"eps_cu3", 3.5}, {"gamma_c", 1.5}, {"alpha_cc", 0.85}, {"alpha_ct", 1.0}, {"fyk", 500},
    {"gamma_s", 1.15}, {"Es", 200000},   {"ftk", 540},     {"k", 1.08},        {"eps_uk", 50},    {"rho", 2500},
    {"alpha_T", 1e-5}, {"nu", 0.2},      {"G", 13750},     {"fywk", 500},      {"fpk", 1770},     {"fp01k", 1520},
};

// The names as a material object holds them, built once.
const std::vector<std::string>& Names()
{
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    for (const Variable& variable : kVariables) {
      result.emplace_back(variable.name);
    }
    return result;
  }();
  return names;
}

double EvaluateOurs(const std::string& formula)
{
  static const std::string empty;
  CQORParser parser;
  for (std::size_t i = 0; i < std::size(kVariables); ++i) {
    parser.SetVariable(Names()[i], empty, empty, kVariables[i].value);
  }
  double result = 0;
  if (!parser.Evaluate(formula, result)) {
    result = std::nan("");
  }
  return result;
}

double EvaluateMuparser(const std::string& formula)
{
  double values[std::size(kVariables)];
  mu::Parser parser;
  for (std::size_t i = 0; i < std::size(kVariables); ++i) {
    values[i] = kVariables[i].value;
    parser.DefineVar(Names()[i], &values[i]);
  }
  parser.SetExpr(formula);
  return parser.Eval();
}

void BM_OneShotOurs(benchmark::State& state)
{
  const std::string formula = kFormulas[state.range(0)].ours;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateOurs(formula));
  }
}
BENCHMARK(BM_OneShotOurs)->ArgName("formula")->DenseRange(0, 4);

void BM_OneShotMuparser(benchmark::State& state)
{
  const std::string formula = kFormulas[state.range(0)].muparser;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateMuparser(formula));
  }
}
BENCHMARK(BM_OneShotMuparser)->ArgName("formula")->DenseRange(0, 4);

void BM_CompiledOurs(benchmark::State& state)
{
  const CompiledFormula& formula = CompiledFormulaOf(kFormulas[state.range(0)].ours);
  CQORParser parser;
  for (std::size_t i = 0; i < std::size(kVariables); ++i) {
    parser.SetVariable(Names()[i], "", "", kVariables[i].value);
  }
  double result = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parser.Evaluate(formula, result));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_CompiledOurs)->ArgName("formula")->DenseRange(0, 4);

void BM_CompiledMuparser(benchmark::State& state)
{
  double values[std::size(kVariables)];
  mu::Parser parser;
  for (std::size_t i = 0; i < std::size(kVariables); ++i) {
    values[i] = kVariables[i].value;
    parser.DefineVar(Names()[i], &values[i]);
  }
  parser.SetExpr(kFormulas[state.range(0)].muparser);
  parser.Eval();  // the first evaluation compiles
  for (auto _ : state) {
    benchmark::DoNotOptimize(parser.Eval());
  }
}
BENCHMARK(BM_CompiledMuparser)->ArgName("formula")->DenseRange(0, 4);

// Both must compute the same values, or the comparison means nothing.
bool ResultsAgree()
{
  bool agree = true;
  for (const Formula& formula : kFormulas) {
    const double ours = EvaluateOurs(formula.ours);
    const double theirs = EvaluateMuparser(formula.muparser);
    if (!(std::fabs(ours - theirs) <= 1e-12 * std::fabs(theirs))) {
      std::fprintf(stderr, "%s: ours %.17g, muparser %.17g\n", formula.ours, ours, theirs);
      agree = false;
    }
  }
  return agree;
}

// Keeps the time per iteration of every benchmark, by family, for the closing summary: the
// median when repetitions are asked for, else the single run.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if ((single || median) && !run.error_occurred) {
        const std::string name = run.run_name.function_name;
        m_nanoseconds[name].push_back(run.GetAdjustedRealTime() * ToNanoseconds(run.time_unit));
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const
  {
    for (const char* kind : {"OneShot", "Compiled"}) {
      const double ours = Mean(std::string("BM_") + kind + "Ours");
      const double theirs = Mean(std::string("BM_") + kind + "Muparser");
      if (ours > 0 && theirs > 0) {
        std::printf("\n%s, mean per formula: ours %.0f ns, muparser %.0f ns, ratio ours/muparser %.3f\n", kind, ours,
                    theirs, ours / theirs);
      }
    }
  }

 private:
  static double ToNanoseconds(benchmark::TimeUnit unit)
  {
    switch (unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }

  double Mean(const std::string& family) const
  {
    const auto found = m_nanoseconds.find(family);
    if (found == m_nanoseconds.end() || found->second.empty()) {
      return 0;
    }
    double sum = 0;
    for (double nanoseconds : found->second) {
      sum += nanoseconds;
    }
    return sum / static_cast<double>(found->second.size());
  }

  std::map<std::string, std::vector<double>> m_nanoseconds;
};

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  if (!ResultsAgree()) {
    return 1;
  }
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
