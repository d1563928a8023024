#pragma once
// The names of the material documents' elements and attributes. Use these constants: a misspelt
// literal would silently create a new attribute.

#include <string>

namespace vocabulary {

// Elements
inline constexpr const char* kKategorie = "Kategorie";
inline constexpr const char* kUnterkategorie = "Unterkategorie";
inline constexpr const char* kNorm = "Norm";
inline constexpr const char* kObjekt = "Objekt";
inline constexpr const char* kEigenschaft = "Eigenschaft";
// The element of each level from the top: below a path of n names stand kLevelElements[n].
inline constexpr const char* kLevelElements[] = {kKategorie, kUnterkategorie, kNorm, kObjekt};
inline constexpr int kLevelCount = 4;

// Attributes
inline constexpr const char* kName = "Name";
inline constexpr const char* kPrioritaet = "Prioritaet";
inline constexpr const char* kKurzname = "Kurzname";
inline constexpr const char* kFormel = "Formel";
inline constexpr const char* kWert01 = "Wert01";
inline constexpr const char* kDimension = "Dimension";
inline constexpr const char* kEinheit = "Einheit";

// The value columns are "Wert01" to "Wert09".
inline constexpr int kValueColumns = 9;
inline std::string ValueAttribute(int column)
{
  return "Wert0" + std::to_string(column);
}

}  // namespace vocabulary
