#include "tavo/material/FormulaMessages.h"

#include "tavo/outside/VBT.h"

#include <optional>
#include <vector>

namespace {

// The messages that carry a part of the formula, as the evaluator and the recalculation write
// them; %1 and %2 stand for those parts.
constexpr const char* kPatterns[] = {
    "'%1' nicht definiert",
    "'%1' nicht implementiert.",
    "'%1' erwartet.",
    "Unerwartetes Symbol: %1",
    "Unerwartete Zeichen: %1",
    "Fehlerhaftes Zahlenformat: '%1'",
    "Unerlaubtes Zeichen ('%1')",
    "Unerlaubtes Zeichen (ASCII %1)",
    "Fehler in %1",
    "Wert von '%1' ist keine Zahl: '%2'",
};

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

// The parts of `text` that stand where the pattern has %1 and %2, when the text follows it.
std::optional<std::vector<std::string>> Match(const std::string& pattern, const std::string& text)
{
  std::vector<std::string> parts;
  std::size_t p = 0, t = 0;
  while (p < pattern.size()) {
    const std::size_t hole = pattern.find('%', p);
    const std::string literal = pattern.substr(p, hole == std::string::npos ? std::string::npos : hole - p);
    if (text.compare(t, literal.size(), literal) != 0)
      return std::nullopt;
    t += literal.size();
    if (hole == std::string::npos)
      return t == text.size() ? std::optional(parts) : std::nullopt;
    p = hole + 2;
    // A hole takes everything up to the next literal's last occurrence (or to the end).
    const std::size_t next = pattern.find('%', p);
    const std::string following = pattern.substr(p, next == std::string::npos ? std::string::npos : next - p);
    const std::size_t end = following.empty() ? text.size() : text.rfind(following);
    if (end == std::string::npos || end < t)
      return std::nullopt;
    parts.push_back(text.substr(t, end - t));
    t = end;
  }
  return t == text.size() ? std::optional(parts) : std::nullopt;
}

}  // namespace

std::string TranslateFormulaMessage(const std::string& german)
{
  for (const char* pattern : kPatterns) {
    const std::optional<std::vector<std::string>> parts = Match(pattern, german);
    if (!parts)
      continue;
    // One pass over the translation, so that a part that reads "%2" itself stays as it is.
    const std::string translation = Translate(pattern);
    std::string translated;
    for (std::size_t i = 0; i < translation.size(); ++i) {
      const std::size_t index = i + 1 < translation.size() ? std::size_t(translation[i + 1] - '1') : parts->size();
      if (translation[i] == '%' && index < parts->size()) {
        translated += (*parts)[index];
        ++i;
      } else {
        translated += translation[i];
      }
    }
    return translated;
  }
  return Translate(german);
}
