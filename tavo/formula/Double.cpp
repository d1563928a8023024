#include "tavo/formula/Double.h"

#include <algorithm>
#include <optional>

#include "tavo/formula/QORParser.h"
#include "tavo/text/NumberText.h"

CDouble::CDouble() : CDouble(0.0) {}

CDouble::CDouble(double value) : m_value(value), m_parser(&theGlobalParser) {}

CDouble& CDouble::operator=(double value)
{
  m_isNumber = true;
  m_text.clear();
  m_value = value;
  return *this;
}

void CDouble::SetText(const std::string& text)
{
  *this = 0.0;
  std::string copy = text;
  std::replace(copy.begin(), copy.end(), ',', '.');
  const std::optional<double> number = ScanLeadingDouble(copy);
  if (!number) {
    m_isNumber = false;
    m_text = copy;
    return;
  }
  double computed = 0;
  if (m_parser->Evaluate(copy, computed) && computed != *number) {
    m_isNumber = false;
    m_text = text;
    m_value = computed;
  } else {
    m_value = *number;  // "2*1" is the number 2; "2x" cannot be evaluated and is the number 2
  }
}

double CDouble::GetValue()
{
  if (!m_isNumber) {
    m_parser->Evaluate(m_text, m_value);
  }
  return m_value;
}

std::string CDouble::GetText()
{
  if (m_isNumber) {
    m_text = FormatLg(m_value);
  }
  return m_text;
}

bool CDouble::operator==(const CDouble& other) const
{
  if (!m_isNumber) {
    m_parser->Evaluate(m_text, m_value);
  }
  return m_value == other.m_value && m_text == other.m_text && m_isNumber == other.m_isNumber;
}
