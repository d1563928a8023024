#include "tavo/formula/FormulaNames.h"

#include "tavo/formula/ExpressionTokenizer.h"
#include "tavo/formula/PrepareFormula.h"

#include <algorithm>
#include <stdexcept>

std::vector<std::string> NamesInFormula(std::string_view formula)
{
  const std::string prepared = PrepareFormula(formula);
  FormulaLog log;
  ExpressionTokenizer tokens(prepared, log);
  std::vector<std::string> names;
  try {
    // After an operand (a name, a number or a closing parenthesis) an operator follows.
    for (tokens.Next(Position::Operand); tokens.Kind() != Token::End;) {
      const Token kind = tokens.Kind();
      if (kind == Token::Name && std::find(names.begin(), names.end(), tokens.Text()) == names.end())
        names.emplace_back(tokens.Text());
      const bool operand = kind == Token::Name || kind == Token::Number || kind == Token::RightParen;
      tokens.Next(operand ? Position::Operator : Position::Operand);
    }
  } catch (const std::runtime_error&) {
    // an illegal character or a bad literal ends the names; the evaluation reports it
  }
  return names;
}
