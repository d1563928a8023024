#pragma once
// One message of CQORParser: a code of FormulaCode.h, its German text and the same in English.

#include <string>

struct CParserWarning {
  int code = 0;
  std::string text;
  std::string english;
};
