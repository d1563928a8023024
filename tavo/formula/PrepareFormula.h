#pragma once
// Rewrites a formula as typed by a user into the text the evaluator reads.

#include <string>
#include <string_view>

// 1. Fortran-style operators, upper or lower case but not mixed (".LT." and ".lt." become "<",
//    likewise .LE. .EQ. .NE. .GT. .GE. .AND. .OR. .FALSE. .TRUE.), each over the whole text;
// 2. every "," becomes "." (decimal comma);
// 3. every "-" and "+" gets a blank on each side, except the sign of a number's exponent
//    ("1e-5" stays one number; in "x1e-5" the minus is an operator);
// 4. every "." that starts the text or follows a non-digit, and every "#", becomes "0.".
std::string PrepareFormula(std::string_view formula);
