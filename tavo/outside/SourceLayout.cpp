#include "tavo/outside/SourceLayout.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kFailed = std::string_view::npos;

bool At(std::string_view text, std::size_t at, std::string_view what)
{
  return text.compare(at, what.size(), what) == 0;
}

// The offset after `close`, searched from `from`; kFailed when it is missing.
std::size_t After(std::string_view text, std::size_t from, std::string_view close)
{
  const std::size_t found = text.find(close, from);
  return found == std::string_view::npos ? kFailed : found + close.size();
}

// `<![ ... ]]>` inside a document type, nested as the parser nests it.
std::size_t SkipIgnoredSection(std::string_view text, std::size_t at)
{
  int depth = 0;
  while (at < text.size()) {
    if (At(text, at, "<![")) {
      ++depth;
      at += 3;
    } else if (At(text, at, "]]>")) {
      at += 3;
      if (--depth == 0)
        return at;
    } else {
      ++at;
    }
  }
  return kFailed;
}

// A document type with its internal subset: groups `<!...>` nest, quoted strings, comments and
// processing instructions are skipped whole, as the parser reads them.
std::size_t SkipDocumentType(std::string_view text, std::size_t at)
{
  std::size_t depth = 0;
  at += 2;
  while (at < text.size()) {
    const char c = text[at];
    if (At(text, at, "<!") && !At(text, at, "<!-")) {
      if (At(text, at, "<![")) {
        at = SkipIgnoredSection(text, at);
        if (at == kFailed)
          return kFailed;
      } else {
        at += 2;
        ++depth;
      }
    } else if (c == '"' || c == '\'') {
      at = After(text, at + 1, std::string_view(&c, 1));
    } else if (At(text, at, "<?")) {
      at = After(text, at + 2, "?>");
    } else if (At(text, at, "<!--")) {
      at = After(text, at + 4, "-->");
    } else if (c == '<') {
      return kFailed;
    } else if (c == '>') {
      ++at;
      if (depth == 0)
        return at;
      --depth;
    } else {
      ++at;
    }
    if (at == kFailed)
      return kFailed;
  }
  return kFailed;
}

// The offset after the start tag that begins at `at`; quoted values may hold ">".
std::size_t SkipStartTag(std::string_view text, std::size_t at)
{
  for (++at; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '>')
      return at + 1;
    if (c == '"' || c == '\'') {
      at = text.find(c, at + 1);
      if (at == std::string_view::npos)
        return kFailed;
    }
  }
  return kFailed;
}

}  // namespace

std::optional<SourceLayout> SourceLayout::Scan(std::string_view text)
{
  if (text.size() >= std::numeric_limits<std::uint32_t>::max())
    return std::nullopt;
  SourceLayout layout;
  std::vector<std::size_t> open;  // elements whose end tag is still to come
  std::size_t at = 0;
  while ((at = text.find('<', at)) != std::string_view::npos) {
    if (At(text, at, "<!--")) {
      at = After(text, at + 4, "-->");
    } else if (At(text, at, "<![CDATA[")) {
      at = After(text, at + 9, "]]>");
    } else if (At(text, at, "<!")) {
      at = SkipDocumentType(text, at);
    } else if (At(text, at, "<?")) {
      at = After(text, at + 2, "?>");
    } else if (At(text, at, "</")) {
      if (open.empty())
        return std::nullopt;
      ElementSpan& element = layout.m_elements[open.back()];
      open.pop_back();
      element.closeBegin = static_cast<std::uint32_t>(at);
      at = After(text, at + 2, ">");
      element.end = static_cast<std::uint32_t>(at);
    } else {
      ElementSpan element;
      element.name = static_cast<std::uint32_t>(at + 1);
      at = SkipStartTag(text, at);
      if (at == kFailed)
        return std::nullopt;
      element.tagEnd = static_cast<std::uint32_t>(at);
      if (text[at - 2] == '/') {
        element.closeBegin = element.end = element.tagEnd;
      } else {
        open.push_back(layout.m_elements.size());
      }
      layout.m_elements.push_back(element);
    }
    if (at == kFailed)
      return std::nullopt;
  }
  if (!open.empty())
    return std::nullopt;
  return layout;
}

const ElementSpan* SourceLayout::ElementAt(std::size_t offset) const
{
  const auto found = std::lower_bound(m_elements.begin(), m_elements.end(), offset,
                                      [](const ElementSpan& span, std::size_t name) { return span.name < name; });
  return found != m_elements.end() && found->name == offset ? &*found : nullptr;
}
