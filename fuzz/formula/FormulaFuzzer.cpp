// Feeds arbitrary bytes to the formula language as a user's formula, with a few variables
// defined, and as a typed value. Nothing may crash, trip a sanitizer or hang.

#include <cstddef>
#include <cstdint>
#include <string>

#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/Double.h"
#include "tavo/formula/FormulaRandom.h"
#include "tavo/formula/QORParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int unit = size > 0 ? data[0] % 3 : 0;
  SetAngleUnitProvider([unit] { return unit; });
  SeedFormulaRandom(static_cast<unsigned>(size));

  CQORParser parser;
  parser.SetVariable("Beton\\fck", "", "", 30);
  parser.SetVariable("gamma_c", "", "", 1.5);
  parser.SetVariable("x", "", "", -0.5);
  parser.SetVariable("pi", "", "", 3);
  if (size > 0 && (data[0] & 4) != 0) {
    parser.SetVariable("a|b", "c", "", 2);  // a bar: the variables then come from the sorted listing
  }
  double result = 0;
  parser.Evaluate(text, result);

  CDouble value;
  value.m_parser = &parser;
  value.SetText(text);
  value.GetValue();
  value.GetText();
  return 0;
}
