#pragma once
// The codes of the formula messages. They are distinct bits, so that a caller can test a set of
// codes with one mask.

enum FormulaCode : int {
  kCodeOverwritten = 1,         // SetVariable replaced a different value of the same short name
  kCodeBadNumber = 4,           // a number literal cannot be read, or a failure without a message
  kCodeIllegalCharacter = 8,    // a character that no token can start with
  kCodeUnknownFunction = 16,    // a function name in none of the three tables
  kCodeUndefinedVariable = 32,  // a name not in the variable table; a notice, it becomes 0
  kCodeDivideByZero = 64,       // "/" or "/=" by 0
  kCodeUnexpectedToken = 128,   // no factor starts with the current token
  kCodeTrailingText = 256,      // text left after a complete sequence
  kCodeExpected = 512,          // ")" or ";" required but missing
  kCodeTooComplex = 1024,       // nesting deeper than 200 levels, or roll with too many throws
};
