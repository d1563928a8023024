#pragma once
// The pieces of XML markup that a save copies or patches: the attributes of a start tag as they
// stand in the text, their values as the parser reads them, and new values written so that they
// read back the same.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One attribute of a start tag as it is written: the white space before it, its name, and its
// value between the quotes, still escaped.
struct RawAttribute {
  std::string_view space;  // the white space that separates it from what comes before
  std::string_view name;
  std::string_view equals;  // from the end of the name to the opening quote, "=" with its blanks
  char quote = '"';
  std::string_view value;  // between the quotes, as written
  std::size_t end = 0;     // offset after the closing quote, within the tag
};

// A start tag (or the declaration `<?xml ...?>`) split into its parts.
struct RawTag {
  std::string_view name;
  std::vector<RawAttribute> attributes;
  std::string_view tail;  // after the last attribute: white space and ">", "/>" or "?>"

  void Clear() { attributes.clear(); }
};

// Splits the tag that `tag` holds from its "<" to its ">" into `split` (whose storage is reused).
// False when it is not a tag of that form (the caller then writes the element anew).
bool SplitTag(std::string_view tag, RawTag& split);

// The value that the parser reads from an attribute value as written: references replaced, line
// ends, tabs and line breaks as blanks. Nullopt for a reference that the parser would not read
// as this does.
std::optional<std::string> ReadAttributeValue(std::string_view raw);
// The same for character data: references replaced, CR LF and a lone CR as a line break.
std::optional<std::string> ReadText(std::string_view raw);
// Comment and CDATA contents: only the line ends are read as line breaks.
std::string ReadLineEnds(std::string_view raw);

// Appends the value escaped for an attribute in `quote` ("&", "<" and that quote); tab, line
// break and carriage return as character references, so that the value reads back unchanged.
void AppendAttributeValue(std::string& out, std::string_view value, char quote);
// Appends character data escaped; each line break is written as `lineEnd`.
void AppendText(std::string& out, std::string_view text, std::string_view lineEnd);
