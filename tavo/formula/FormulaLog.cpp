#include "tavo/formula/FormulaLog.h"

#include <stdexcept>

void FormulaLog::Note(int code, std::string german, std::string english)
{
  m_messages.push_back(std::move(german));
  m_english.push_back(std::move(english));
  m_codes.push_back(code);
}

void FormulaLog::Fail(int code, std::string german, const std::string& english)
{
  Note(code, std::move(german), english);
  throw std::runtime_error(english);
}
