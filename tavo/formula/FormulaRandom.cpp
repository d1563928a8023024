#include "tavo/formula/FormulaRandom.h"

#include <ctime>
#include <random>

namespace {

std::mt19937& Generator()
{
  static std::mt19937 generator(static_cast<unsigned>(std::time(nullptr)));
  return generator;
}

// Seeds the generator from the clock while the program starts, not at the first draw.
[[maybe_unused]] const bool seededAtStart = (Generator(), true);

}  // namespace

void SeedFormulaRandom(unsigned seed)
{
  Generator().seed(seed);
}

std::int32_t NextFormulaRandom()
{
  return static_cast<std::int32_t>(Generator()() >> 1);
}
