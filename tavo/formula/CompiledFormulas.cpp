#include "tavo/formula/CompiledFormulas.h"

#include <atomic>
#include <unordered_map>

#include "tavo/formula/FormulaCompiler.h"
#include "tavo/formula/FormulaNames.h"
#include "tavo/formula/PrepareFormula.h"

namespace {

// Beyond this many texts a new one is compiled for the moment only, so that memory stays bounded
// however many distinct formulas pass through.
constexpr std::size_t kMostKept = 1 << 16;

CompiledFormula Compile(const std::string& formula)
{
  static std::atomic<std::uint64_t> compiled{0};
  return {CompileFormula(PrepareFormula(formula)), NamesInFormula(formula), ++compiled};
}

}  // namespace

const CompiledFormula& CompiledFormulaOf(const std::string& formula)
{
  thread_local std::unordered_map<std::string, CompiledFormula> kept;
  thread_local CompiledFormula passing;
  if (const auto found = kept.find(formula); found != kept.end()) {
    return found->second;
  }
  if (kept.size() >= kMostKept) {
    passing = Compile(formula);
    return passing;
  }
  return kept.emplace(formula, Compile(formula)).first->second;
}
