#include "tavo/outside/MarkupText.h"

#include <cstdint>

namespace {

bool IsSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool EndsName(char c)
{
  return IsSpace(c) || c == '/' || c == '>' || c == '?' || c == '=';
}

void AppendUtf8(std::string& out, std::uint32_t code)
{
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

enum class Reference { Literal, Read, Unsure };

// Reads the reference at raw[at] ('&') as the parser does: the five named entities and character
// references with their ";". Anything else is left as it stands, "&" included (Literal). A
// character reference to something that is no character is Unsure: the parser would write bytes
// of its own there.
Reference ReadReference(std::string_view raw, std::size_t& at, std::string& out)
{
  const std::string_view rest = raw.substr(at);
  for (const auto& [name, character] : {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'}, std::pair{"&gt;", '>'},
                                        std::pair{"&quot;", '"'}, std::pair{"&apos;", '\''}}) {
    const std::string_view entity(name);
    if (rest.substr(0, entity.size()) == entity) {
      out += character;
      at += entity.size();
      return Reference::Read;
    }
  }
  if (rest.size() < 3 || rest[1] != '#')
    return Reference::Literal;
  const bool hex = rest[2] == 'x';
  std::size_t i = hex ? 3 : 2;
  std::uint64_t code = 0;
  bool digits = false;
  for (; i < rest.size() && rest[i] != ';'; ++i) {
    const char c = rest[i];
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (hex && (c | ' ') >= 'a' && (c | ' ') <= 'f')
      digit = (c | ' ') - 'a' + 10;
    if (digit < 0)
      return Reference::Literal;
    code = code * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (code > 0x10FFFF)
      return Reference::Unsure;
    digits = true;
  }
  if (i == rest.size() || !digits)
    return Reference::Literal;
  if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
    return Reference::Unsure;
  AppendUtf8(out, static_cast<std::uint32_t>(code));
  at += i + 1;
  return Reference::Read;
}

// Reads escaped text; `blankSpace` makes tab, line break and line ends blanks (attribute values),
// otherwise line ends become line breaks (character data).
std::optional<std::string> ReadEscaped(std::string_view raw, bool blankSpace)
{
  std::string out;
  out.reserve(raw.size());
  for (std::size_t at = 0; at < raw.size();) {
    const char c = raw[at];
    if (c == '&') {
      const Reference read = ReadReference(raw, at, out);
      if (read == Reference::Unsure)
        return std::nullopt;
      if (read == Reference::Literal) {
        out += '&';
        ++at;
      }
    } else if (c == '\r') {
      out += blankSpace ? ' ' : '\n';
      at += at + 1 < raw.size() && raw[at + 1] == '\n' ? 2 : 1;
    } else {
      out += blankSpace && (c == '\t' || c == '\n') ? ' ' : c;
      ++at;
    }
  }
  return out;
}

void AppendReference(std::string& out, unsigned char c)
{
  out += "&#";
  out += std::to_string(c);
  out += ';';
}

}  // namespace

bool SplitTag(std::string_view tag, RawTag& split)
{
  split.Clear();
  if (tag.size() < 2 || tag.front() != '<' || tag.back() != '>')
    return false;
  std::size_t at = tag[1] == '?' ? 2 : 1;
  const std::size_t nameStart = at;
  while (at < tag.size() && !EndsName(tag[at]))
    ++at;
  split.name = tag.substr(nameStart, at - nameStart);
  for (;;) {
    const std::size_t spaceStart = at;
    while (at < tag.size() && IsSpace(tag[at]))
      ++at;
    if (at >= tag.size())
      return false;
    if (tag[at] == '>' || tag[at] == '/' || tag[at] == '?') {
      split.tail = tag.substr(spaceStart);
      return true;
    }
    RawAttribute attribute;
    attribute.space = tag.substr(spaceStart, at - spaceStart);
    const std::size_t attributeName = at;
    while (at < tag.size() && !EndsName(tag[at]))
      ++at;
    attribute.name = tag.substr(attributeName, at - attributeName);
    const std::size_t equalsStart = at;
    while (at < tag.size() && IsSpace(tag[at]))
      ++at;
    if (at >= tag.size() || tag[at] != '=' || attribute.name.empty() || attribute.space.empty())
      return false;
    ++at;
    while (at < tag.size() && IsSpace(tag[at]))
      ++at;
    if (at >= tag.size() || (tag[at] != '"' && tag[at] != '\''))
      return false;
    attribute.equals = tag.substr(equalsStart, at - equalsStart);
    attribute.quote = tag[at];
    const std::size_t close = tag.find(attribute.quote, at + 1);
    if (close == std::string_view::npos)
      return false;
    attribute.value = tag.substr(at + 1, close - at - 1);
    at = close + 1;
    attribute.end = at;
    split.attributes.push_back(attribute);
  }
}

std::optional<std::string> ReadAttributeValue(std::string_view raw)
{
  return ReadEscaped(raw, true);
}

std::optional<std::string> ReadText(std::string_view raw)
{
  return ReadEscaped(raw, false);
}

std::string ReadLineEnds(std::string_view raw)
{
  std::string out;
  out.reserve(raw.size());
  for (std::size_t at = 0; at < raw.size(); ++at) {
    if (raw[at] != '\r') {
      out += raw[at];
      continue;
    }
    out += '\n';
    if (at + 1 < raw.size() && raw[at + 1] == '\n')
      ++at;
  }
  return out;
}

void AppendAttributeValue(std::string& out, std::string_view value, char quote)
{
  for (const char c : value) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '"': out += quote == '"' ? "&quot;" : "\""; break;
      case '\'': out += quote == '\'' ? "&apos;" : "'"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          AppendReference(out, static_cast<unsigned char>(c));
        else
          out += c;
    }
  }
}

void AppendText(std::string& out, std::string_view text, std::string_view lineEnd)
{
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\n': out += lineEnd; break;
      case '\t': out += c; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          AppendReference(out, static_cast<unsigned char>(c));
        else
          out += c;
    }
  }
}
