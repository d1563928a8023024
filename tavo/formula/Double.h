#pragma once
// A double that is either a plain number or a formula evaluated on demand through a CQORParser.

#include <string>

class CQORParser;

class CDouble {
 public:
  CDouble();              // the plain number 0
  CDouble(double value);  // a plain number  // NOLINT: converts like a double
  CDouble(const CDouble&) = default;
  virtual ~CDouble() = default;

  CDouble& operator=(const CDouble&) = default;
  // A plain number; the parser stays.
  CDouble& operator=(double value);

  // Reads a typed text: a number stays a number (so does a formula whose value equals the number
  // it starts with, or one that cannot be evaluated), any other text becomes a formula.
  void SetText(const std::string& text);
  // The number, or the formula evaluated now (its previous value when that fails).
  double GetValue();
  // The formula, or the number as "%lg" writes it.
  std::string GetText();
  // Brings this value up to date first (not the other); equal in value, text and kind. Const,
  // with m_value as the formula's cached value, so that a == b never runs as b == a.
  bool operator==(const CDouble& other) const;

  bool m_isNumber = true;      // a plain number, not a formula
  std::string m_text;          // the formula; empty for a number until GetText fills it
  mutable double m_value = 0;  // the number, or the formula's value at its last evaluation
  CQORParser* m_parser;        // evaluates the formula; not owned, never null
};
