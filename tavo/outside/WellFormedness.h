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

// The first fault of the valid UTF-8 `text` that the parser would not report: a control
// character, a character reference to no character, an entity reference other than the five
// predefined ones, an entity declaration, a raw "<" or bare "&" in an attribute value, "--" inside
// a comment, a declaration that does not stand at the very start, text outside the root element
// or a second root element. One pass over the text; nullopt when none of these is found (the
// parser still judges the structure).
std::optional<TextFault> FirstWellFormednessFault(std::string_view text);
