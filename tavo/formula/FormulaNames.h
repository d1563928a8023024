#pragma once
// The names a formula refers to, read with the evaluator's own tokenizer.

#include <string>
#include <string_view>
#include <vector>

// Every name token of the formula as the evaluator would read it after preparing it, in order,
// each once; function names included. Reading stops at the first token that cannot be read.
std::vector<std::string> NamesInFormula(std::string_view formula);
