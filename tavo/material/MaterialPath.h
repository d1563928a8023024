#pragma once
// The address of an object or a level of the material database as one text:
// KAT/UKAT/NORM/OBJEKT, or a prefix of it (KAT, KAT/UKAT, KAT/UKAT/NORM) naming a level. The text is
// split at its first three slashes only, so an object name keeps its own (`Beton/Normalbeton/EC2/C30/37`).
// Inside a name, `\/` writes a slash and `\\` a backslash; any other backslash stands for itself.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CMaterialPath {
 public:
  enum Level { kKategorie = 0, kUnterkategorie = 1, kNorm = 2, kObjekt = 3 };

  // One to four non-empty names, from the category down.
  explicit CMaterialPath(std::vector<std::string> names) : m_names(std::move(names)) {}

  // The path the text writes, or nothing when it is empty or one of its names is (the reason
  // then goes to `error`).
  static std::optional<CMaterialPath> Parse(std::string_view text, std::string* error = nullptr);

  // The text that Parse reads back as this path; escapes only where a name needs it.
  std::string Text() const;

  const std::vector<std::string>& Names() const { return m_names; }
  const std::string& Name(Level level) const { return m_names[level]; }
  int Depth() const { return static_cast<int>(m_names.size()); }
  bool NamesObject() const { return m_names.size() == 4; }

  bool operator==(const CMaterialPath&) const = default;

 private:
  std::vector<std::string> m_names;
};
