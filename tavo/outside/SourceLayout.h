#pragma once
// Where each element of a document's text lies: its start tag and its end tag, in document order,
// found by one light pass over the text that the parser read.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct ElementSpan {
  std::uint32_t name = 0;        // offset of the tag name, just after "<": the parser's element name
  std::uint32_t tagEnd = 0;      // offset after the start tag's ">"
  std::uint32_t closeBegin = 0;  // offset of "</"; for an empty-element tag `<X/>` its end
  std::uint32_t end = 0;         // offset after the element's last ">"
  bool SelfClosing() const { return end == tagEnd; }
};

class SourceLayout {
 public:
  // Scans the text; nullopt when it holds something that this pass does not follow as the parser
  // did (the save then writes the document anew), or when it is too large for 32-bit offsets.
  static std::optional<SourceLayout> Scan(std::string_view text);

  // The element whose name starts at `offset`, or null.
  const ElementSpan* ElementAt(std::size_t offset) const;

 private:
  std::vector<ElementSpan> m_elements;  // in document order, so by ascending name offset
};
