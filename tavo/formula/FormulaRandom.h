#pragma once
// The pseudo-random generator of rand, percent and roll: seeded once from the clock at start,
// or by the caller (tests) for repeatable draws.

#include <cstdint>

void SeedFormulaRandom(unsigned seed);

// A fresh non-negative pseudo-random integer (0 to 2147483647).
std::int32_t NextFormulaRandom();
