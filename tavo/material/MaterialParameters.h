#pragma once
// The parameters the stress-strain laws read from a material object, by the short names of the
// bundled database. One table holds every short name the laws use, with its quantity and the unit
// the database stores it in; a value is converted from the unit its row names (or, when the row
// names none, from that stored unit) into the unit the laws compute in: N/mm² for stresses and
// moduli, ‰ for strains.

#include <map>
#include <string>
#include <vector>

class CTavoObj;

// Why a parameter cannot be used.
struct ParameterProblem {
  enum Kind {
    kMissing,      // the object has no property of that short name
    kNotANumber,   // its value is empty or not a number (the text is kept)
    kNotPositive,  // zero or negative where the laws need a positive number
    kUnknownUnit,  // its unit is none the laws can convert from (the unit is kept)
    kNoCurve,      // each parameter is usable but together they give no finite curve (name: the law)
  };
  std::string name;
  Kind kind = kMissing;
  std::string text;  // the value or the unit that was refused
};

class CMaterialParameters {
 public:
  // Adds a property; a later one of the same short name replaces an earlier one, as the levels
  // farther from the object do in the database and in the grid.
  void Set(const std::string& shortName, const std::string& value, const std::string& unit);
  // Every property element of the object in order (Kurzname, Wert01, Einheit).
  static CMaterialParameters FromObject(const CTavoObj& object);

  bool Has(const std::string& shortName) const { return m_entries.count(shortName) > 0; }
  // The value in the laws' unit. False with the problem when it is missing, not a number, not
  // positive, or given in a unit that cannot be converted.
  bool Read(const std::string& shortName, double& value, ParameterProblem& problem) const;

 private:
  struct Entry {
    std::string value, unit;
  };
  std::map<std::string, Entry> m_entries;
};
