#pragma once
// The scan of the markup behind the well-formedness checks, for those checks and for readings
// that follow the elements of a text as they pass. Internal to the document library. It follows
// the markup just far enough to judge every character where it stands.

#include "tavo/outside/WellFormedness.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace markup_scan {

inline constexpr std::size_t kQuotedMost = 24;  // of a reference quoted in a reason

inline bool IsSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What the scan stops at, by byte: the classes below.
enum : unsigned char { kNameByte = 1, kValueStop = 2, kSpaceByte = 4, kTextStop = 8 };

inline constexpr std::array<unsigned char, 256> kByteClasses = [] {
  std::array<unsigned char, 256> classes{};
  // Letters, digits, the name punctuation and every byte of a multi-byte character.
  for (int c = 0; c < 256; ++c)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':' ||
        c == '-' || c == '.' || c >= 0x80)
      classes[static_cast<std::size_t>(c)] |= kNameByte;
  // Where an attribute value may end or needs a closer look.
  for (const char c : {'"', '\'', '<', '&'})
    classes[static_cast<unsigned char>(c)] |= kValueStop;
  for (const char c : {' ', '\t', '\n', '\r'})
    classes[static_cast<unsigned char>(c)] |= kSpaceByte;
  // Where character data needs a closer look.
  for (const char c : {'<', '&', ']'})
    classes[static_cast<unsigned char>(c)] |= kTextStop;
  return classes;
}();

// The characters a document may hold, written out or as a reference.
inline bool IsXmlChar(std::uint32_t c)
{
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

inline bool IsPredefinedEntity(std::string_view name)
{
  return name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos";
}

// Follows the markup of a text and tells `Listener` what it passes: a start tag with its name,
// each attribute with its value's place, the end of the start tag, an end tag, and any
// instruction, doctype or CDATA section. The null listener below costs nothing.
template <typename Listener>
class Scanner {
 public:
  Scanner(std::string_view text, Listener& listener) : m_text(text), m_listener(listener) {}

  MarkupFaults Run()
  {
    try {
      while (m_at < m_text.size()) {
        if (m_text[m_at] == '<')
          Markup();
        else
          Text();
      }
    } catch (TextFault& fault) {
      m_found.fault = std::move(fault);
    }
    return std::move(m_found);
  }

 private:
  [[noreturn]] void Fail(std::size_t offset, std::string reason) { throw TextFault{offset, std::move(reason)}; }

  bool At(std::string_view what) const { return m_text.substr(m_at, what.size()) == what; }
  char Here() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }
  void SkipSpace() { m_at = SkipWhile(m_at, kSpaceByte); }
  std::string_view Name()
  {
    const std::size_t start = m_at;
    m_at = SkipWhile(m_at, kNameByte);
    return m_text.substr(start, m_at - start);
  }
  // The first offset from `at` on whose byte is not of the class `byteClass`, or the end. With the
  // offset in a local, the loop keeps it in a register.
  std::size_t SkipWhile(std::size_t at, unsigned char byteClass) const
  {
    const std::size_t size = m_text.size();
    const char* text = m_text.data();
    while (at < size && (kByteClasses[static_cast<unsigned char>(text[at])] & byteClass))
      ++at;
    return at;
  }
  // The first offset from `at` on whose byte is of the class `byteClass`, or the end.
  std::size_t SkipUntil(std::size_t at, unsigned char byteClass) const
  {
    const std::size_t size = m_text.size();
    const char* text = m_text.data();
    while (at < size && !(kByteClasses[static_cast<unsigned char>(text[at])] & byteClass))
      ++at;
    return at;
  }
  // Moves past the next `end`, or fails with `unterminated` at `start`.
  void SkipPast(std::string_view end, std::size_t start, const char* unterminated)
  {
    const std::size_t found = m_text.find(end, m_at);
    if (found == std::string_view::npos)
      Fail(start, unterminated);
    m_at = found + end.size();
  }

  // Character data: only white space outside the root element; no "]]>" inside.
  void Text()
  {
    if (m_depth == 0) {
      if (!IsSpace(m_text[m_at]))
        Fail(m_at, m_rootClosed ? "text after the root element" : "text before the root element");
      ++m_at;
      return;
    }
    while (m_at < m_text.size() && m_text[m_at] != '<') {
      m_at = SkipUntil(m_at, kTextStop);
      if (m_at == m_text.size() || m_text[m_at] == '<')
        break;
      if (m_text[m_at] == '&')
        Reference();
      else if (m_text[m_at] == ']' && At("]]>"))
        Fail(m_at, "\"]]>\" in text");
      else
        ++m_at;
    }
  }

  void Markup()
  {
    const std::size_t start = m_at;
    // Start and end tags, the bulk of the markup, are told by their second character.
    const char second = m_at + 1 < m_text.size() ? m_text[m_at + 1] : '\0';
    if (second == '/') {
      EndTag();
    } else if (second == '?') {
      Instruction();
    } else if (second != '!') {
      StartTag();
    } else if (At("<!--")) {
      // A comment ends at its first "--", which must be followed by ">".
      const std::size_t dashes = m_text.find("--", m_at + 4);
      if (dashes == std::string_view::npos)
        Fail(start, "unterminated comment");
      if (dashes + 2 >= m_text.size() || m_text[dashes + 2] != '>')
        Fail(dashes, "\"--\" inside a comment");
      m_at = dashes + 3;
    } else if (At("<![CDATA[")) {
      m_listener.Special(start);
      if (m_depth == 0)
        Fail(start, m_rootClosed ? "text after the root element" : "text before the root element");
      SkipPast("]]>", start, "unterminated CDATA section");
    } else if (At("<!DOCTYPE")) {
      m_listener.Special(start);
      Doctype();
    } else {
      Fail(start, "unknown markup declaration");
    }
  }

  // The declaration "<?xml ...?>" is a processing instruction that only the very first bytes may
  // hold; no other instruction may take its name in any case.
  void Instruction()
  {
    const std::size_t start = m_at;
    m_listener.Special(start);
    m_at += 2;
    const std::string_view target = Name();
    if (target.empty())
      Fail(start, "malformed processing instruction");
    const bool xml =
        target.size() == 3 && (target[0] | 0x20) == 'x' && (target[1] | 0x20) == 'm' && (target[2] | 0x20) == 'l';
    if (xml && start != 0)
      Fail(start, "the XML declaration must stand at the very start of the file");
    SkipPast("?>", start, "unterminated processing instruction");
  }

  // Entities are not supported: a declaration is refused where it stands, and so is a reference
  // to a parameter entity, which only a declaration could give meaning.
  void Doctype()
  {
    const std::size_t start = m_at;
    if (m_depth > 0 || m_rootClosed)
      Fail(start, "a doctype after the start of the root element");
    m_at += 9;
    while (m_at < m_text.size()) {
      const char c = m_text[m_at];
      if (c == '"' || c == '\'') {
        ++m_at;
        SkipPast(std::string_view(&c, 1), start, "unterminated doctype");
      } else if (c == '[') {
        ++m_at;
        InternalSubset(start);
      } else if (c == '>') {
        ++m_at;
        return;
      } else {
        ++m_at;
      }
    }
    Fail(start, "unterminated doctype");
  }

  void InternalSubset(std::size_t doctype)
  {
    while (m_at < m_text.size()) {
      const char c = m_text[m_at];
      if (c == '"' || c == '\'') {
        ++m_at;
        SkipPast(std::string_view(&c, 1), doctype, "unterminated doctype");
      } else if (At("<!--")) {
        Markup();
      } else if (At("<?")) {
        Instruction();
      } else if (At("<!ENTITY")) {
        Fail(m_at, "entity declarations (<!ENTITY>) are not supported");
      } else if (c == '%') {
        Fail(m_at, "parameter entity references are not supported");
      } else if (c == ']') {
        ++m_at;
        return;
      } else {
        ++m_at;
      }
    }
    Fail(doctype, "unterminated doctype");
  }

  void StartTag()
  {
    const std::size_t start = m_at;
    if (m_rootClosed)
      Fail(start + 1, "more than one root element");
    ++m_at;
    const std::string_view tag = Name();
    if (tag.empty())
      Fail(start, "malformed start tag");
    m_listener.StartTag(start, tag);
    m_seenNames = 0;
    m_names.clear();
    if (!m_nameSet.empty())
      m_nameSet = {};
    for (;;) {
      const std::size_t beforeSpace = m_at;
      SkipSpace();
      if (Here() == '>') {
        ++m_at;
        ++m_depth;
        m_listener.StartTagEnd(m_at, false);
        return;
      }
      if (At("/>")) {
        m_at += 2;
        m_rootClosed = m_depth == 0;
        m_listener.StartTagEnd(m_at, true);
        return;
      }
      if (m_at == beforeSpace)
        Fail(m_at, m_at < m_text.size() ? "malformed start tag" : "unterminated start tag");
      const std::string_view name = Attribute();
      if (m_found.repeatedAttribute == std::string_view::npos && Repeats(name))
        m_found.repeatedAttribute = start + 1;
    }
  }

  // Whether the element's attributes so far hold `name`. Comparing every pair would cost more
  // than the scan itself on property elements with their fifteen attributes: a signature of each
  // name (its length and two characters) clears the names that differ there from all before.
  // Once two signatures meet, the names go into a set, so an element with thousands of
  // attributes still costs time in proportion to them.
  bool Repeats(std::string_view name)
  {
    if (m_nameSet.empty()) {
      const auto first = static_cast<unsigned char>(name.front());
      const auto last = static_cast<unsigned char>(name.back());
      const std::uint64_t bit = std::uint64_t{1} << ((name.size() * 7 + first + last * 3) & 63);
      const bool maybe = (m_seenNames & bit) != 0;
      m_seenNames |= bit;
      m_names.push_back(name);
      if (!maybe)
        return false;
      m_nameSet.insert(m_names.begin(), m_names.end() - 1);
    }
    return !m_nameSet.insert(name).second;
  }

  // name = "value": the value holds no "<", and each "&" begins a reference. Returns the name.
  std::string_view Attribute()
  {
    const std::size_t start = m_at;
    const std::string_view name = Name();
    if (name.empty())
      Fail(start, "malformed attribute");
    SkipSpace();
    if (Here() != '=')
      Fail(m_at, "malformed attribute");
    ++m_at;
    SkipSpace();
    const char quote = Here();
    if (quote != '"' && quote != '\'')
      Fail(m_at, "an attribute value without quotes");
    const std::size_t valueStart = m_at + 1;
    for (++m_at; m_at < m_text.size() && m_text[m_at] != quote;) {
      // Past the bulk of the value at once.
      m_at = SkipUntil(m_at, kValueStop);
      if (m_at == m_text.size() || m_text[m_at] == quote)
        break;
      if (m_text[m_at] == '<')
        Fail(m_at, "a raw \"<\" in an attribute value; write it as \"&lt;\"");
      if (m_text[m_at] == '&')
        Reference();
      else
        ++m_at;
    }
    if (m_at == m_text.size())
      Fail(start, "unterminated attribute value");
    m_listener.Attribute(name, m_text.substr(valueStart, m_at - valueStart));
    ++m_at;
    return name;
  }

  void EndTag()
  {
    const std::size_t start = m_at;
    m_at += 2;
    const std::string_view tag = Name();
    SkipSpace();
    if (Here() != '>')
      Fail(start, "malformed end tag");
    ++m_at;
    if (m_depth == 0)
      Fail(start, "an end tag without its start tag");
    m_rootClosed = --m_depth == 0;
    m_listener.EndTag(start, tag, m_at);
  }

  // "&#N;", "&#xH;" or one of the five predefined entities; moves past the ";".
  void Reference()
  {
    const std::size_t start = m_at;
    ++m_at;
    if (Here() == '#') {
      ++m_at;
      const bool hex = Here() == 'x';
      m_at += hex ? 1 : 0;
      std::uint32_t value = 0;
      std::size_t digits = 0;
      for (;; ++m_at, ++digits) {
        const char c = Here();
        int digit = -1;
        if (c >= '0' && c <= '9')
          digit = c - '0';
        else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
          digit = (c | 0x20) - 'a' + 10;
        if (digit < 0)
          break;
        value = value > 0x10FFFF ? value : value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
      }
      if (digits == 0 || Here() != ';')
        Fail(start, "a malformed character reference");
      ++m_at;
      if (!IsXmlChar(value))
        Fail(start, "the character reference " + Quoted(start) + " names no character that XML allows");
      return;
    }
    const std::string_view name = Name();
    if (name.empty() || Here() != ';')
      Fail(start, "a bare \"&\"; write it as \"&amp;\"");
    ++m_at;
    if (!IsPredefinedEntity(name))
      Fail(start, "the entity reference " + Quoted(start) +
                      " is not supported: only &lt; &gt; &amp; &quot; &apos; and character references are");
  }

  // The text from `start` to here, shortened when long.
  std::string Quoted(std::size_t start) const
  {
    const std::string_view whole = m_text.substr(start, m_at - start);
    return whole.size() <= kQuotedMost ? std::string(whole) : std::string(whole.substr(0, kQuotedMost)) + "...";
  }

  std::string_view m_text;
  Listener& m_listener;
  std::size_t m_at = 0;
  std::size_t m_depth = 0;
  bool m_rootClosed = false;
  MarkupFaults m_found;
  std::uint64_t m_seenNames = 0;                   // signatures of the current element's attribute names
  std::vector<std::string_view> m_names;           // and the names themselves
  std::unordered_set<std::string_view> m_nameSet;  // all of them once two signatures met
};

// Listens to nothing.
struct NullListener {
  void StartTag(std::size_t, std::string_view) {}
  void Attribute(std::string_view, std::string_view) {}
  void StartTagEnd(std::size_t, bool) {}
  void EndTag(std::size_t, std::string_view, std::size_t) {}
  void Special(std::size_t) {}
};

}  // namespace markup_scan
