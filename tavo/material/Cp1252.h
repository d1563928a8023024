#pragma once
// Texts for files written in code page 1252.

#include <string>
#include <string_view>

// The UTF-8 text in code page 1252. A character the code page lacks, and a byte that is not
// valid UTF-8, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
