#include "tavo/material/MaterialPath.h"

// --- public operations ---

std::optional<CMaterialPath> CMaterialPath::Parse(std::string_view text, std::string* error)
{
  std::vector<std::string> names(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool escapes = c == '\\' && i + 1 < text.size() && (text[i + 1] == '/' || text[i + 1] == '\\');
    if (escapes)
      names.back() += text[++i];
    else if (c == '/' && names.size() < 4)  // the object level keeps its slashes
      names.emplace_back();
    else
      names.back() += c;
  }
  for (std::size_t level = 0; level < names.size(); ++level) {
    if (names[level].empty()) {
      if (error)
        *error = text.empty() ? "the path is empty" : "name " + std::to_string(level + 1) + " of the path is empty";
      return std::nullopt;
    }
  }
  return CMaterialPath(std::move(names));
}

std::string CMaterialPath::Text() const
{
  std::string text;
  for (std::size_t level = 0; level < m_names.size(); ++level) {
    const std::string& name = m_names[level];
    const bool last = level + 1 == m_names.size();
    if (level > 0)
      text += '/';
    for (std::size_t i = 0; i < name.size(); ++i) {
      // What follows this character in the text: the next one of the name, or the separator.
      const char next = i + 1 < name.size() ? name[i + 1] : (last ? '\0' : '/');
      if (name[i] == '\\' && (next == '/' || next == '\\'))
        text += "\\\\";
      else if (name[i] == '/' && level < kObjekt)
        text += "\\/";
      else
        text += name[i];
    }
  }
  return text;
}
