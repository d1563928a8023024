#include "tavo/outside/DocumentReader.h"

#include "tavo/outside/TextCharacters.h"
#include "tavo/outside/WellFormedness.h"
#include "tavo/text/CodePage.h"
#include "tavo/text/WideText.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string Lowercase(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

struct Declared {
  std::string encoding;  // lowercased; "" when none is declared
  std::size_t offset = 0;
};

// The value of encoding="..." in a leading <?xml ...?> declaration and where it stands.
Declared DeclaredEncoding(std::string_view text)
{
  // "<?xml" must be followed by white space: "<?xmlFoo ...?>" is a processing instruction, which
  // declares nothing.
  if (text.substr(0, 5) != "<?xml" || text.size() < 6 || !std::isspace(static_cast<unsigned char>(text[5])))
    return {};
  const auto end = text.find("?>");
  const std::string_view declaration = text.substr(0, end);
  // The attribute itself: "encoding" after white space, then "=" and a quote. A longer name that
  // merely starts with it is another attribute, which the parser keeps as such.
  std::size_t quote = std::string_view::npos;
  for (auto key = declaration.find("encoding"); key != std::string_view::npos;
       key = declaration.find("encoding", key + 1)) {
    if (key == 0 || !std::isspace(static_cast<unsigned char>(declaration[key - 1])))
      continue;
    auto at = declaration.find_first_not_of(" \t\r\n", key + 8);
    if (at == std::string_view::npos || declaration[at] != '=')
      continue;
    at = declaration.find_first_not_of(" \t\r\n", at + 1);
    if (at != std::string_view::npos && (declaration[at] == '"' || declaration[at] == '\''))
      quote = at;
    break;
  }
  if (quote == std::string_view::npos)
    return {};
  const auto close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string_view::npos)
    return {};
  return {Lowercase(std::string(declaration.substr(quote + 1, close - quote - 1))), quote + 1};
}

std::string Position(const std::vector<std::size_t>& lineStarts, std::ptrdiff_t offset)
{
  const auto line = std::upper_bound(lineStarts.begin(), lineStarts.end(), static_cast<std::size_t>(offset));
  const std::size_t lineIndex = static_cast<std::size_t>(line - lineStarts.begin());
  const std::size_t column = static_cast<std::size_t>(offset) - lineStarts[lineIndex - 1] + 1;
  return std::to_string(lineIndex) + ":" + std::to_string(column);
}

void DeclareUtf8(pugi::xml_document& xml)
{
  for (pugi::xml_node node : xml.children()) {
    if (node.type() != pugi::node_declaration)
      continue;
    pugi::xml_attribute encoding = node.attribute("encoding");
    if (encoding && Lowercase(encoding.value()) != "utf-8")
      encoding.set_value("UTF-8");
    return;
  }
}

// The parser accepts a second root element. Returns it, or an empty node.
pugi::xml_node SecondRoot(const pugi::xml_document& xml)
{
  int roots = 0;
  for (pugi::xml_node node : xml.children())
    if (node.type() == pugi::node_element && ++roots == 2)
      return node;
  return {};
}

// An encoding that the text may declare: UTF-8 (or its subset ASCII) and the Latin code pages
// for 8-bit text, the family it was found in for wide text.
bool MayDeclare(const std::string& encoding, const char* wide)
{
  if (wide)
    return encoding.rfind(Lowercase(std::string(wide).substr(0, 6)), 0) == 0;
  return encoding == "utf-8" || encoding == "us-ascii" || IsSingleByteLatin(encoding);
}

// Fails with the position of `offset` in `text` and the reason.
bool Refuse(Document& document, std::string_view text, std::size_t offset, const std::string& reason,
            std::string& error)
{
  if (document.lineStarts.empty())
    document.lineStarts = ScanTextCharacters(text).lineStarts;
  error = document.path + ":" + Position(document.lineStarts, static_cast<std::ptrdiff_t>(offset)) + ": " + reason;
  return false;
}

// What the bytes were found to hold: the text to parse, UTF-8, which is the bytes themselves or
// their conversion from UTF-16/-32 or a Latin code page.
struct PreparedText {
  std::string converted;
  std::string_view text;
  std::size_t repeatedAttribute = std::string_view::npos;  // see MarkupFaults
};

// Decides the encoding, records the byte-order mark, the final line break and the line starts,
// and rejects text that is not UTF-8 or not well-formed; false with `error` set then.
bool PrepareText(Document& document, std::string_view bytes, PreparedText& prepared, std::string& error)
{
  const WideForm wide = DetectWideForm(bytes);
  if (wide.encoding) {
    // Written back as UTF-8, as every file is.
    if (!WideToUtf8(bytes.substr(wide.markSize), wide.encoding, prepared.converted))
      return Refuse(document, prepared.converted, prepared.converted.size(),
                    std::string("the file is not valid ") + wide.encoding + " text", error);
    bytes = prepared.converted;
  } else if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    document.writeBom = true;
    bytes.remove_prefix(kUtf8Bom.size());
  }
  const Declared declaredAt = DeclaredEncoding(bytes);
  const std::string& declared = declaredAt.encoding;
  if (!declared.empty() && !MayDeclare(declared, wide.encoding))
    return Refuse(document, bytes, declaredAt.offset, "the encoding \"" + declared + "\" is not supported here", error);
  const bool declaredLatin = !wide.encoding && IsSingleByteLatin(declared);
  // Read once: the same pass decides between UTF-8 and Latin, reports the bad byte and finds the
  // lines and the forbidden characters; only a text that turns out Latin is read again converted.
  TextCharacters characters = declaredLatin ? TextCharacters{} : ScanTextCharacters(bytes);
  const std::size_t firstBad = characters.invalidUtf8;
  const bool latin = declaredLatin || (!document.writeBom && firstBad != std::string_view::npos && declared.empty());
  if (latin) {
    prepared.converted = LatinToUtf8(bytes, declared);
    characters = ScanTextCharacters(prepared.converted);
  }
  prepared.text = latin ? std::string_view(prepared.converted) : bytes;
  document.lineStarts = std::move(characters.lineStarts);
  if (const std::size_t bad = latin ? std::string_view::npos : firstBad; bad != std::string_view::npos)
    return Refuse(document, prepared.text, bad, "the file is not valid UTF-8 text", error);
  MarkupFaults markup = ScanMarkup(prepared.text);
  prepared.repeatedAttribute = markup.repeatedAttribute;
  if (const std::optional<TextFault> fault = FirstWellFormednessFault(characters, std::move(markup)))
    return Refuse(document, prepared.text, fault->offset, fault->reason, error);
  document.finalNewline = !prepared.text.empty() && prepared.text.back() == '\n';
  return true;
}

// The checks after the parse: its own result, a root element, well-formedness; then the
// declaration is made to say UTF-8.
std::unique_ptr<Document> CheckParsed(std::unique_ptr<Document> document, const pugi::xml_parse_result& result,
                                      std::size_t repeatedAttribute, std::string& error)
{
  const std::string& path = document->path;
  if (!result) {
    const std::string where = document->lineStarts.empty() ? "" : Position(document->lineStarts, result.offset) + ":";
    error = path + ":" + where + " " + result.description();
    return nullptr;
  }
  if (!document->xml.document_element()) {
    error = path + ": the file holds no root element";
    return nullptr;
  }
  if (const pugi::xml_node second = SecondRoot(document->xml)) {
    const std::ptrdiff_t offset = second.offset_debug();
    const bool located = !document->lineStarts.empty() && offset >= 0;
    error = path + ":" + (located ? Position(document->lineStarts, offset) + ":" : "") + " more than one root element";
    return nullptr;
  }
  // The parser also keeps an attribute given twice; the scan before found the first.
  if (repeatedAttribute != std::string_view::npos) {
    error = path + ":" + Position(document->lineStarts, static_cast<std::ptrdiff_t>(repeatedAttribute)) +
            ": an attribute is given twice";
    return nullptr;
  }
  DeclareUtf8(document->xml);
  return document;
}

}  // namespace

std::unique_ptr<Document> ParseDocument(std::string_view bytes, const std::string& path, std::string& error)
{
  auto document = std::make_unique<Document>();
  document->path = path;
  PreparedText prepared;
  if (!PrepareText(*document, bytes, prepared, error))
    return nullptr;
  // The parser copies the text into a buffer of its own.
  const pugi::xml_parse_result result =
      document->xml.load_buffer(prepared.text.data(), prepared.text.size(), kParseOptions, pugi::encoding_utf8);
  return CheckParsed(std::move(document), result, prepared.repeatedAttribute, error);
}

std::unique_ptr<Document> ParseDocumentBuffer(char* buffer, std::size_t size, const std::string& path,
                                              std::string& error)
{
  auto document = std::make_unique<Document>();
  document->path = path;
  PreparedText prepared;
  if (!PrepareText(*document, std::string_view(buffer, size), prepared, error)) {
    pugi::get_memory_deallocation_function()(buffer);
    return nullptr;
  }
  // UTF-8 as it stands is parsed where it lies, and the tree keeps the buffer; anything else
  // (a byte-order mark, a conversion, UTF-16) goes the copying way.
  const bool asItStands = prepared.text.data() == buffer && prepared.text.size() == size;
  if (asItStands) {
    // With the terminating zero the parser sees the very text that its own copy would hold, so
    // results and error positions are the same.
    const pugi::xml_parse_result result =
        document->xml.load_buffer_inplace_own(buffer, size + 1, kParseOptions, pugi::encoding_utf8);
    return CheckParsed(std::move(document), result, prepared.repeatedAttribute, error);
  }
  const pugi::xml_parse_result result =
      document->xml.load_buffer(prepared.text.data(), prepared.text.size(), kParseOptions, pugi::encoding_utf8);
  pugi::get_memory_deallocation_function()(buffer);
  return CheckParsed(std::move(document), result, prepared.repeatedAttribute, error);
}

std::optional<std::string> ParsedTextOf(std::string_view bytes)
{
  Document scratch;
  PreparedText prepared;
  std::string error;
  if (!PrepareText(scratch, bytes, prepared, error))
    return std::nullopt;
  return std::string(prepared.text);
}

bool ReadsAsItStands(std::string_view bytes)
{
  if (DetectWideForm(bytes).encoding || bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom)
    return false;
  const std::string declared = DeclaredEncoding(bytes).encoding;
  return declared.empty() || declared == "utf-8" || declared == "us-ascii";
}
