#pragma once
#include <string>

// A computed value as the property grid shows it: 5 minus the whole part of log10 of the
// magnitude decimals (at least 0; none for zero), trailing zeros and a trailing point dropped.
// Values that are not finite read as the C library prints them: "inf", "-inf", "nan".
std::string FormatGridValue(double value);
