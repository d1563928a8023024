#pragma once
// What the XML parser lets pass although well-formed XML forbids it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct TextFault {
  std::size_t offset = 0;  // where in the text the fault begins
  std::string reason;
};

struct TextCharacters;

// What the markup of a text holds that the parser would not report.
struct MarkupFaults {
  // The first fault: a character reference to no character, an entity reference other than the
  // five predefined ones, an entity declaration, a raw "<" or bare "&" in an attribute value, "--"
  // inside a comment, a declaration that does not stand at the very start, text outside the root
  // element or a second root element.
  std::optional<TextFault> fault;
  // Where the name of the first element that gives an attribute twice begins, npos when none
  // does. Reported only when the parser accepts the text, as its own faults come first.
  std::size_t repeatedAttribute = std::string_view::npos;
};

// Follows the markup of the valid UTF-8 `text` in one pass (the parser still judges the
// structure).
MarkupFaults ScanMarkup(std::string_view text);
// The fault to report before the parse, from the characters and the markup of one text: a
// forbidden character where it breaks the markup or before its fault, the markup's fault
// otherwise; nullopt when neither holds one.
std::optional<TextFault> FirstWellFormednessFault(const TextCharacters& characters, MarkupFaults markup);
