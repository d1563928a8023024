// The document library's element contract, on documents parsed from inline literals.

#include "tavo/outside/QODOM.h"
#include "tests/support/ParsedDocument.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kDoc = R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
  <Kategorie Name="Beton" Prioritaet="0">
    <Eigenschaft Kurzname="a" Wert01="1"/>
    <Unterkategorie Name="Normalbeton"/>
  </Kategorie>
  <Kategorie Name="Stahl" Prioritaet="x2"/>
  <Notiz Name="Beton"/>
</Materialdatei>
)";

}  // namespace

// The fingerprint follows the content only: the same value written again leaves it as it was.
TEST(Document, ReadsAndWritesAttributesAndTheFingerprintFollows)
{
  ParsedDoc doc(kDoc);
  ParsedDoc twin(kDoc);
  const CFingerPrint before = QODOM_GetFingerPrint(doc.root);
  EXPECT_EQ(before, QODOM_GetFingerPrint(twin.root));
  EXPECT_EQ(QODOM_GetFingerPrint(0), CFingerPrint{});
  const QODOM_ELEMENT beton = QODOM_FindFirstChild(doc.root, "Kategorie");
  const QODOM_ELEMENT stahl = QODOM_FindNextChild(beton, "Kategorie");
  EXPECT_STREQ(QODOM_GetString(beton, "Missing"), "");
  EXPECT_EQ(QODOM_GetInt(beton, "Prioritaet"), 0);
  EXPECT_EQ(QODOM_GetInt(stahl, "Prioritaet"), 0);  // not a number
  QODOM_SetString(beton, "Name", "Beton");
  EXPECT_EQ(QODOM_GetFingerPrint(doc.root), before);

  QODOM_SetInt(stahl, "Prioritaet", 7);
  QODOM_SetString(stahl, "Neu", "Ä & <b>");
  EXPECT_EQ(QODOM_GetInt(stahl, "Prioritaet"), 7);
  EXPECT_STREQ(QODOM_GetString(stahl, "Neu"), "Ä & <b>");
  QODOM_DeleteAttr(stahl, "Prioritaet");
  EXPECT_FALSE(QODOM_HasAttr(stahl, "Prioritaet"));
  EXPECT_NE(QODOM_GetFingerPrint(doc.root), before);
  EXPECT_NE(doc.Text().find(R"(<Kategorie Name="Stahl" Neu="Ä &amp; &lt;b>"/>)"), std::string::npos) << doc.Text();
}

TEST(Document, ZeroAndDeadHandlesAreInert)
{
  EXPECT_EQ(QODOM_FindFirstChild(0, "Kategorie"), 0u);
  EXPECT_EQ(QODOM_FindFirstChildWithAttr(0, "Name", "x"), 0u);
  EXPECT_STREQ(QODOM_GetString(0, "Name"), "");
  EXPECT_EQ(QODOM_AddChildElement(0, "x"), 0u);
  QODOM_SetString(0, "Name", "x");
  QODOM_DeleteElement(0);

  QODOM_ELEMENT beton = 0, property = 0, root = 0;
  {
    ParsedDoc doc(kDoc);
    root = doc.root;
    beton = QODOM_FindFirstChild(doc.root, "Kategorie");
    property = QODOM_FindFirstChild(beton, "Eigenschaft");
    QODOM_DeleteElement(beton);
    // The deleted element and everything below it are gone for good.
    EXPECT_STREQ(QODOM_GetString(beton, "Name"), "");
    EXPECT_STREQ(QODOM_GetString(property, "Kurzname"), "");
    EXPECT_EQ(QODOM_GetParentElement(property), 0u);
    QODOM_SetString(property, "Kurzname", "b");
    EXPECT_STREQ(QODOM_GetString(QODOM_FindFirstChild(doc.root, "Kategorie"), "Name"), "Stahl");
    EXPECT_EQ(doc.Text().find("Beton\" Prioritaet"), std::string::npos);

    // Freed pages come back to later elements at the same addresses, but their handles do not.
    std::set<QODOM_ELEMENT> seen{beton, property};
    std::vector<QODOM_ELEMENT> previous;
    for (int round = 0; round < 3; ++round) {
      const QODOM_ELEMENT holder = QODOM_AddChildElement(doc.root, "Notiz");
      std::vector<QODOM_ELEMENT> added;
      for (int n = 0; n < 2000; ++n)
        added.push_back(QODOM_AddChildElement(holder, "Eigenschaft"));
      for (const QODOM_ELEMENT each : added)
        EXPECT_TRUE(seen.insert(each).second) << round;
      for (const QODOM_ELEMENT old : previous)
        EXPECT_STREQ(QODOM_GetTagName(old), "") << round;
      QODOM_DeleteElement(holder);
      previous = added;
    }
  }
  // After closing, the root's handle is dead too, and new handles never take an old value.
  EXPECT_EQ(QODOM_GetDocument(root), 0u);
  ParsedDoc again(kDoc);
  EXPECT_GT(again.root, property);
  EXPECT_NE(QODOM_FindFirstChild(again.root, "Kategorie"), beton);
}

TEST(Document, CloneCopiesAttributesAndDescendants)
{
  ParsedDoc doc(kDoc);
  ParsedDoc target("<Materialdatei/>\n");
  const QODOM_ELEMENT beton = QODOM_FindFirstChild(doc.root, "Kategorie");
  const QODOM_ELEMENT copy = QODOM_AddChildElement(target.root, "Kategorie");
  QODOM_CloneElementTree(beton, copy);
  QODOM_SetString(copy, "Name", "Kopie");

  EXPECT_STREQ(QODOM_GetString(beton, "Name"), "Beton");
  EXPECT_STREQ(QODOM_GetString(copy, "Prioritaet"), "0");
  const QODOM_ELEMENT property = QODOM_FindFirstChild(copy, "Eigenschaft");
  EXPECT_STREQ(QODOM_GetString(property, "Wert01"), "1");
  EXPECT_EQ(QODOM_GetParentElement(QODOM_FindFirstChild(copy, "Unterkategorie")), copy);
  EXPECT_EQ(QODOM_GetDocument(property), QODOM_GetDocument(target.root));
  EXPECT_EQ(QODOM_GetParentElement(target.root), 0u);
}

// An unedited document serialises to its own bytes. What the parser alone would let pass, beyond
// the corpus's cases, is refused where the fault is; what well-formed XML allows around it opens.
TEST(Document, OpensAsItsOwnBytesOrIsRefusedAtItsPlace)
{
  // The text, and "LINE:COLUMN" of its fault or nullptr when it opens.
  const std::pair<std::string, const char*> rows[] = {
      {kDoc, nullptr},
      {"<?xml version=\"1.0\"?>\n<!-- Ausgabe 2026 -->\n<?tavo x?>\n<R a=\"1\" b=\"2\">\n\t<K "
       "Name=\"Ä\"><![CDATA[x]]></K>\n</R>\n",
       nullptr},
      {"\xEF\xBB\xBF<R/>", nullptr},
      {"<!DOCTYPE R>\n<R>\n</R>\n", nullptr},
      {"<R><![CDATA[ < & ]]></R><!-- c --><?p x?>\n", nullptr},
      {"<!DOCTYPE R [\n<!ELEMENT R ANY>\n]>\n<R a='&lt;&#x9;&#10;&quot;\"'>&#xFFFD;&#x10FFFF;</R>", nullptr},
      {"<?xml-stylesheet href='s'?><R/>", nullptr},
      {"<![CDATA[x]]><R/>", "1:1"},
      {"<R>a ]]> b</R>", "1:6"},
      {"<R/>\n<?xml version='1.0'?>", "2:1"},
      {"<!DOCTYPE R [ %p; ]><R/>", "1:15"},
      {"<R>&#xFFFE;</R>", "1:4"},
      {"<R>\xEF\xBF\xBF</R>", "1:4"},
      {"<R>&#12</R>", "1:4"},
      {"<R a='1'b='2'/>", "1:9"},
      {"<R/>&amp;", "1:5"},
      // An attribute given twice is reported only when nothing else is wrong.
      {"<R a='1' a='2'>\n&x;</R>", "2:1"},
      {"<R a='1' a='2'>\n<x></R>", "2:6"},
      {"<R a='1'><x b='1' c='2' b='3'/></R>", "1:11"},
  };
  for (const auto& [text, where] : rows) {
    std::string error;
    const QODOM_ELEMENT root = QODOM_ParseDoc(text, "/x/f.xml", error);
    EXPECT_EQ(root != 0, where == nullptr) << text << "\n" << error;
    if (where)
      EXPECT_EQ(error.rfind("/x/f.xml:" + std::string(where) + ": ", 0), 0u) << error;
    else
      EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(root)), text);
    QODOM_CloseDoc(root);
  }
}

// The characters are read eight bytes at a time: a fault is found at its place wherever it
// stands in a step, and so is the line break before it. A non-character where the markup breaks
// gives way to the markup's fault.
TEST(Document, CharacterFaultsAreFoundAcrossTheEightByteSteps)
{
  const struct {
    const char* bom;
    const char* bytes;
    bool nextLine;
    const char* reason;
  } rows[] = {
      {"", "\x01", false, "the control character U+0001 is not allowed in XML"},
      {"", "\xEF\xBF\xBF", false, "the non-character U+FFFE or U+FFFF is not allowed in XML"},
      {"\xEF\xBB\xBF", "\xE2\x82", false, "the file is not valid UTF-8 text"},
      {"", "\r\n\x1F", true, "the control character U+001F is not allowed in XML"},
  };
  std::string error;
  for (const auto& row : rows) {
    for (int k = 0; k <= 16; ++k) {
      const std::string text = std::string(row.bom) + "<R>\n\xC3\xA9" + std::string(k, 'a') + row.bytes + "</R>";
      EXPECT_EQ(QODOM_ParseDoc(text, "/x/f.xml", error), 0u);
      const std::string where = row.nextLine ? "3:1" : "2:" + std::to_string(k + 3);
      EXPECT_EQ(error, "/x/f.xml:" + where + ": " + row.reason) << k;
    }
  }
  EXPECT_EQ(QODOM_ParseDoc("<R/>\xEF\xBF\xBF", "/x/f.xml", error), 0u);
  EXPECT_EQ(error, "/x/f.xml:1:5: text after the root element");
}

// Wide texts are converted as a whole; a broken unit is refused at its place.
TEST(Document, Utf16And32AreReadAsUtf8)
{
  const std::u16string text = u"<R a=\"W\u00FCrfel \U0001D11E\"/>";
  std::string le, be, le32;
  for (char16_t unit : text) {
    le += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    be += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  for (char32_t c : std::u32string(U"<R a=\"W\u00FCrfel \U0001D11E\"/>"))
    le32 += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF), static_cast<char>(c >> 16), '\0'};
  for (const std::string& bytes : {le, "\xFE\xFF" + be, "\xFF\xFE" + le, le32}) {
    ParsedDoc doc(bytes);
    EXPECT_EQ(doc.Text(), "<R a=\"Würfel \U0001D11E\"/>");
  }
  std::string error;
  const std::string loneSurrogate("<\0R\0/\0>\0\n\0\x00\xD8", 12);
  EXPECT_EQ(QODOM_ParseDoc(loneSurrogate, "/x/f.xml", error), 0u);
  EXPECT_EQ(error, "/x/f.xml:2:1: the file is not valid UTF-16LE text");
}

TEST(Document, SingleByteFilesAreReadAsUtf8)
{
  // Rows of the declared encoding, a name in it and the name in UTF-8. The declaration names the
  // code page and is rewritten to UTF-8; a file that declares nothing and is no UTF-8 is
  // windows-1252. One of the five bytes that windows-1252 leaves undefined makes the whole file
  // ISO-8859-1, the 0x80 beside it included.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"windows-1252", "W\xFCrfel \x80", "Würfel €"},
      {"", "W\xFCrfel \x80", "Würfel €"},
      {"iso-8859-1", "\xA4 \xFC", "¤ ü"},
      {"ISO-8859-15", "\xA4 \xFC", "€ ü"},
      {"windows-1252", "\x80\x81", "\u0080\u0081"},
      {"windows-1252", "\x80\x8D", "\u0080\u008D"},
      {"windows-1252", "\x80\x8F", "\u0080\u008F"},
      {"windows-1252", "\x80\x90", "\u0080\u0090"},
      {"windows-1252", "\x80\x9D", "\u0080\u009D"},
  };
  const auto file = [](const std::string& encoding, const std::string& name) {
    const std::string declared = encoding.empty() ? "" : " encoding=\"" + encoding + "\"";
    return "<?xml version=\"1.0\"" + declared + "?>\n<R Name=\"" + name + "\"/>\n";
  };
  for (const auto& [encoding, name, utf8] : rows) {
    ParsedDoc doc(file(encoding, name));
    EXPECT_EQ(doc.Text(), file(*encoding ? "UTF-8" : "", utf8)) << encoding << " " << utf8;
  }
}
