#pragma once
// The command line of the editor: collected as it stands, then interpreted into the start values.

#include <string>
#include <vector>

// The values the editor starts with.
struct StartValues {
  std::string kat;
  std::string ukat;
  std::string norm;
  std::string objekt;
  bool qorMode = false;
  bool trestle64 = false;
};

// Collects every argument in command-line order; interprets nothing.
class CTavoCmdLineInfo {
 public:
  void ParseParam(const std::string& argument) { m_arguments.push_back(argument); }
  const std::vector<std::string>& Arguments() const { return m_arguments; }

  // The start values: "qormode" and "Trestle64" switch their flags (any case, a leading "-" or
  // "/" dropped); kat=, ukat=, norm=, objekt= (keys in any case) set the texts as they stand, a
  // later one replacing an earlier one; everything else is ignored.
  StartValues Interpret() const;

 private:
  std::vector<std::string> m_arguments;
};
