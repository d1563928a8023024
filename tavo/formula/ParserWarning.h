#pragma once
// One message of CQORParser: a code of FormulaCode.h and its German text.

#include <string>

struct CParserWarning {
  int code = 0;
  std::string text;
};
