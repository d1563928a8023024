#include "tavo/outside/LosslessWriter.h"

#include "tavo/outside/MarkupText.h"
#include "tavo/outside/SourceLayout.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace {

struct Range {
  std::size_t begin = 0, end = 0;
};

// How the file writes what a save adds: its line end, its quote and its empty-element tag.
struct Style {
  std::string_view lineEnd = "\n";
  char quote = '"';
  std::string_view emptyClose = "/>";
};

Style StyleOf(std::string_view text)
{
  Style style;
  const std::size_t lineBreak = text.find('\n');
  if (lineBreak != std::string_view::npos && lineBreak > 0 && text[lineBreak - 1] == '\r')
    style.lineEnd = "\r\n";
  const std::size_t doubleQuote = text.find("=\""), singleQuote = text.find("='");
  if (singleQuote < doubleQuote)
    style.quote = '\'';
  const std::size_t empty = text.find("/>");
  if (empty != std::string_view::npos && empty > 0 && text[empty - 1] == ' ')
    style.emptyClose = " />";
  return style;
}

bool IsBlank(std::string_view text)
{
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool HasReferenceOrSpace(std::string_view raw)
{
  return raw.find_first_of("&\t\n\r") != std::string_view::npos;
}

// True when the attribute as written reads as `value`.
bool SameAttributeValue(std::string_view raw, const char* value)
{
  if (!HasReferenceOrSpace(raw))
    return raw == value;
  const std::optional<std::string> read = ReadAttributeValue(raw);
  return read && *read == value;
}

class Writer {
 public:
  Writer(const Document& document, std::string_view original, const SourceLayout& layout, const char* base,
         std::string& out)
      : m_document(document),
        m_original(original),
        m_layout(layout),
        m_base(base),
        m_out(out),
        m_style(StyleOf(original))
  {
  }

  void WriteDocument()
  {
    if (m_document.writeBom)
      m_out += "\xEF\xBB\xBF";
    // The tree keeps no white space between the top-level nodes: the text's own is copied
    // between two nodes that stood side by side there.
    std::optional<Range> previous = Range{};
    bool first = true;
    for (pugi::xml_node node : m_document.xml.children()) {
      const std::optional<Range> range = RangeOf(node);
      const bool adjacent = range && previous && previous->end <= range->begin &&
                            IsBlank(m_original.substr(previous->end, range->begin - previous->end));
      if (adjacent)
        m_out += m_original.substr(previous->end, range->begin - previous->end);
      else if (!first)
        m_out += m_style.lineEnd;
      WriteSubtree(node);
      previous = range;
      first = false;
    }
    if (previous && IsBlank(m_original.substr(previous->end)))
      m_out += m_original.substr(previous->end);
    else if (m_document.finalNewline)
      m_out += m_style.lineEnd;
  }

 private:
  struct Open {
    pugi::xml_node node;
    std::string_view rawClose;  // the end tag as written, or empty: `</name>` is written
  };

  // The offset in the text of a string of the tree that the parser left where it found it.
  std::optional<std::size_t> OffsetOf(const char* text) const
  {
    const auto at = reinterpret_cast<std::uintptr_t>(text), base = reinterpret_cast<std::uintptr_t>(m_base);
    if (!text || at < base || at - base >= m_original.size())
      return std::nullopt;
    return static_cast<std::size_t>(at - base);
  }

  std::string_view Text(Range range) const { return m_original.substr(range.begin, range.end - range.begin); }

  // The range from `open` before `offset` to the end of the `close` that follows it, when the
  // text has them there.
  std::optional<Range> Enclosed(std::size_t offset, std::string_view open, std::string_view close) const
  {
    if (offset < open.size() || m_original.compare(offset - open.size(), open.size(), open) != 0)
      return std::nullopt;
    const std::size_t end = m_original.find(close, offset);
    if (end == std::string_view::npos)
      return std::nullopt;
    return Range{offset - open.size(), end + close.size()};
  }

  const ElementSpan* SpanOf(pugi::xml_node element) const
  {
    const std::optional<std::size_t> offset = OffsetOf(element.name());
    const ElementSpan* span = offset ? m_layout.ElementAt(*offset) : nullptr;
    if (!span)
      return nullptr;
    const std::size_t length = std::strlen(element.name());
    const std::size_t after = span->name + length;
    const bool sameName = m_original.compare(span->name, length, element.name()) == 0 && after < m_original.size() &&
                          std::strchr(" \t\r\n/>", m_original[after]);
    return sameName ? span : nullptr;
  }

  // Where a node that the parser left in place stood in the text; nullopt for a new node.
  std::optional<Range> RangeOf(pugi::xml_node node) const
  {
    switch (node.type()) {
      case pugi::node_element: {
        const ElementSpan* span = SpanOf(node);
        return span ? std::optional<Range>(Range{span->name - 1u, span->end}) : std::nullopt;
      }
      case pugi::node_comment: {
        const auto offset = OffsetOf(node.value());
        return offset ? Enclosed(*offset, "<!--", "-->") : std::nullopt;
      }
      case pugi::node_cdata: {
        const auto offset = OffsetOf(node.value());
        return offset ? Enclosed(*offset, "<![CDATA[", "]]>") : std::nullopt;
      }
      case pugi::node_pi:
      case pugi::node_declaration: {
        const auto offset = OffsetOf(node.name());
        return offset ? Enclosed(*offset, "<?", "?>") : std::nullopt;
      }
      case pugi::node_doctype: {
        const auto offset = OffsetOf(node.value());
        if (!offset)
          return std::nullopt;
        const std::size_t begin = m_original.rfind("<!", *offset);
        const std::size_t end = *offset + std::strlen(node.value());
        if (begin == std::string_view::npos || end >= m_original.size() || m_original[end] != '>')
          return std::nullopt;
        return Range{begin, end + 1};
      }
      case pugi::node_pcdata: {
        const auto offset = OffsetOf(node.value());
        if (!offset)
          return std::nullopt;
        const std::size_t end = m_original.find('<', *offset);
        return Range{*offset, end == std::string_view::npos ? m_original.size() : end};
      }
      default: return std::nullopt;
    }
  }

  // Writes the node and everything below it; an explicit stack, as files may nest deeper than
  // the call stack allows.
  void WriteSubtree(pugi::xml_node top)
  {
    std::vector<Open> open;
    pugi::xml_node node = top;
    for (;;) {
      if (node.type() == pugi::node_element) {
        if (WriteOpening(node, open)) {
          node = node.first_child();
          continue;
        }
      } else {
        WriteLeaf(node);
      }
      for (;;) {
        if (open.empty())
          return;
        if (const pugi::xml_node next = node.next_sibling()) {
          node = next;
          break;
        }
        WriteClosing(open.back());
        node = open.back().node;
        open.pop_back();
      }
    }
  }

  // Writes the start tag, or the whole element when it has no children; true when the children
  // and the end tag are still to come.
  bool WriteOpening(pugi::xml_node element, std::vector<Open>& open)
  {
    const bool children = static_cast<bool>(element.first_child());
    const ElementSpan* span = SpanOf(element);
    if (!span || !WriteKeptTag(element, Text({span->name - 1u, span->tagEnd}), span->SelfClosing() && !children)) {
      WriteNewTag(element, children);
      if (children)
        open.push_back({element, {}});
      return children;
    }
    const std::string_view rawClose = span->SelfClosing() ? std::string_view() : Text({span->closeBegin, span->end});
    if (!children) {
      m_out += rawClose;  // `<X></X>` stays so
      return false;
    }
    open.push_back({element, rawClose});
    return true;
  }

  void WriteClosing(const Open& open)
  {
    if (!open.rawClose.empty()) {
      m_out += open.rawClose;
      return;
    }
    m_out += "</";
    m_out += open.node.name();
    m_out += '>';
  }

  // Writes the tag as it stands in the text, each attribute value that the tree changed patched
  // in place with the quote it had, attributes the tree no longer has left out with the white
  // space before them, new ones added after the others in their manner. `empty` says whether the
  // tag closes the element (`/>`). False when the tag cannot be split; nothing is written then.
  bool WriteKeptTag(pugi::xml_node node, std::string_view tag, bool empty)
  {
    if (!SplitTag(tag, m_tag))
      return false;
    const std::string_view tail = m_tag.tail;
    const bool wasEmpty = tail.size() >= 2 && tail.substr(tail.size() - 2) == "/>";
    if (empty == wasEmpty && AttributesKept(node)) {
      m_out += tag;
      return true;
    }
    m_out += tag.substr(0, static_cast<std::size_t>(m_tag.name.data() - tag.data()) + m_tag.name.size());
    std::size_t next = 0;
    const RawAttribute* manner = m_tag.attributes.empty() ? nullptr : &m_tag.attributes.back();
    for (pugi::xml_attribute attribute : node.attributes()) {
      std::size_t at = next;
      while (at < m_tag.attributes.size() && m_tag.attributes[at].name != attribute.name())
        ++at;
      if (at == m_tag.attributes.size()) {
        m_out += manner ? manner->space : " ";
        WriteAttribute(attribute, manner ? manner->quote : m_style.quote);
        continue;
      }
      const RawAttribute& raw = m_tag.attributes[at];
      m_out += raw.space;
      m_out += raw.name;
      m_out += raw.equals;
      m_out += raw.quote;
      if (SameAttributeValue(raw.value, attribute.value()))
        m_out += raw.value;
      else
        AppendAttributeValue(m_out, attribute.value(), raw.quote);
      m_out += raw.quote;
      next = at + 1;
    }
    // An empty-element tag that gained children ends in ">" instead of "/>", and the reverse;
    // the white space before stays.
    if (empty == wasEmpty) {
      m_out += tail;
    } else if (empty) {
      m_out += tail.substr(0, tail.size() - 1);
      m_out += "/>";
    } else {
      m_out += tail.substr(0, tail.size() - 2);
      m_out += '>';
    }
    return true;
  }

  bool AttributesKept(pugi::xml_node node) const
  {
    std::size_t at = 0;
    for (pugi::xml_attribute attribute : node.attributes()) {
      if (at == m_tag.attributes.size())
        return false;
      const RawAttribute& raw = m_tag.attributes[at++];
      if (raw.name != attribute.name() || !SameAttributeValue(raw.value, attribute.value()))
        return false;
    }
    return at == m_tag.attributes.size();
  }

  void WriteAttribute(pugi::xml_attribute attribute, char quote)
  {
    m_out += attribute.name();
    m_out += '=';
    m_out += quote;
    AppendAttributeValue(m_out, attribute.value(), quote);
    m_out += quote;
  }

  void WriteNewTag(pugi::xml_node element, bool children)
  {
    m_out += '<';
    m_out += element.name();
    for (pugi::xml_attribute attribute : element.attributes()) {
      m_out += ' ';
      WriteAttribute(attribute, m_style.quote);
    }
    m_out += children ? std::string_view(">") : m_style.emptyClose;
  }

  void WriteLeaf(pugi::xml_node node)
  {
    const std::optional<Range> range = RangeOf(node);
    if (range && LeafKept(node, *range)) {
      m_out += Text(*range);
      return;
    }
    switch (node.type()) {
      case pugi::node_pcdata: AppendText(m_out, node.value(), m_style.lineEnd); break;
      case pugi::node_declaration: WriteDeclaration(node, range); break;
      default: WriteNewLeaf(node);
    }
  }

  // True when the node's content is still what its text says.
  bool LeafKept(pugi::xml_node node, Range range) const
  {
    const std::string_view text = Text(range);
    switch (node.type()) {
      case pugi::node_pcdata: {
        const std::optional<std::string> read = ReadText(text);
        return read && *read == node.value();
      }
      case pugi::node_comment: return ReadLineEnds(text.substr(4, text.size() - 7)) == node.value();
      case pugi::node_cdata: return ReadLineEnds(text.substr(9, text.size() - 12)) == node.value();
      case pugi::node_pi: {
        const std::string_view inner = text.substr(2, text.size() - 4);
        const std::size_t name = std::strlen(node.name());
        const std::size_t value = inner.find_first_not_of(" \t\r\n", name);
        return inner.substr(0, name) == node.name() &&
               (value == std::string_view::npos ? std::string_view() : inner.substr(value)) == node.value();
      }
      case pugi::node_doctype: {
        const std::size_t length = std::strlen(node.value());
        return text.size() > length && text.substr(text.size() - 1 - length, length) == node.value();
      }
      default: return false;  // declarations are compared attribute by attribute
    }
  }

  void WriteDeclaration(pugi::xml_node node, const std::optional<Range>& range)
  {
    if (range && WriteKeptTag(node, Text(*range), false))
      return;
    m_out += "<?";
    m_out += node.name();
    for (pugi::xml_attribute attribute : node.attributes()) {
      m_out += ' ';
      WriteAttribute(attribute, m_style.quote);
    }
    m_out += "?>";
  }

  // Comments, processing instructions, CDATA and document types that are new: as the parser's
  // own writer writes them; comments and CDATA, which read line ends as line breaks, with the
  // file's line end.
  void WriteNewLeaf(pugi::xml_node node)
  {
    struct StringWriter : pugi::xml_writer {
      std::string text;
      void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    } writer;
    node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    const bool lineEnds = node.type() == pugi::node_comment || node.type() == pugi::node_cdata;
    for (const char c : writer.text) {
      if (c == '\n' && lineEnds)
        m_out += m_style.lineEnd;
      else
        m_out += c;
    }
  }

  const Document& m_document;
  std::string_view m_original;
  const SourceLayout& m_layout;
  const char* m_base;
  std::string& m_out;
  Style m_style;
  RawTag m_tag;  // reused for every tag
};

}  // namespace

void WriteLossless(const Document& document, std::string_view original, std::string& out)
{
  // The parser's buffer holds the text at the same offsets; the root element tells where it lies.
  const pugi::xml_node root = document.xml.document_element();
  const std::ptrdiff_t rootOffset = root.offset_debug();
  const bool belongs =
      !original.empty() && rootOffset > 0 && static_cast<std::size_t>(rootOffset) < original.size() &&
      original.compare(static_cast<std::size_t>(rootOffset), std::strlen(root.name()), root.name()) == 0;
  std::optional<SourceLayout> layout = belongs ? SourceLayout::Scan(original) : std::nullopt;
  if (!layout) {
    original = {};
    layout.emplace();
  }
  out.clear();
  out.reserve(original.size() + original.size() / 16);
  Writer(document, original, *layout, layout && !original.empty() ? root.name() - rootOffset : nullptr, out)
      .WriteDocument();
}
