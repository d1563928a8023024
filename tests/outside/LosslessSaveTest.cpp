// A save changes exactly the bytes of what was edited: each file below is opened from disk, edited
// once and saved, and the whole file is compared with the original with only that edit made.

#include "tavo/outside/QODOM.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QODOM_ELEMENT First(QODOM_ELEMENT root)
{
  return QODOM_FindFirstChild(root, "Kategorie");
}

void Rename(QODOM_ELEMENT root, const char* name)
{
  QODOM_SetString(First(root), "Name", name);
}

struct Case {
  const char* what;
  std::string original;
  std::function<void(QODOM_ELEMENT root)> edit;
  std::string saved;
};

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

}  // namespace

TEST(LosslessSave, OnlyTheEditedBytesChange)
{
  const auto glas = [](QODOM_ELEMENT root) { Rename(root, "Glas"); };
  const Case cases[] = {
      {"CRLF line ends",
       kDeclaration + "\r\n<M>\r\n  <Kategorie Name=\"Holz\"/>\r\n  <Kategorie Name=\"Stahl\"/>\r\n</M>\r\n", glas,
       kDeclaration + "\r\n<M>\r\n  <Kategorie Name=\"Glas\"/>\r\n  <Kategorie Name=\"Stahl\"/>\r\n</M>\r\n"},
      {"single quotes", "<M>\n  <Kategorie Name='Holz' Prioritaet='0'/>\n</M>\n", glas,
       "<M>\n  <Kategorie Name='Glas' Prioritaet='0'/>\n</M>\n"},
      {"empty pairs, blanks inside tags, ' />'",
       "<M>\n  <Kategorie  Name = \"Holz\"\n     Prioritaet=\"0\" ></Kategorie>\n  <Leer />\n  <Paar></Paar >\n</M>",
       glas,
       "<M>\n  <Kategorie  Name = \"Glas\"\n     Prioritaet=\"0\" ></Kategorie>\n  <Leer />\n  <Paar></Paar >\n</M>"},
      {"character references",
       "<M>\n  <Kategorie Name=\"Holz\" Notiz=\"&#252;ber &gt; &quot;1&quot; &#x9;\"/>\n  <T>&#252; &amp; "
       "&gt;</T>\n</M>\n",
       glas,
       "<M>\n  <Kategorie Name=\"Glas\" Notiz=\"&#252;ber &gt; &quot;1&quot; &#x9;\"/>\n  <T>&#252; &amp; "
       "&gt;</T>\n</M>\n"},
      {"blank lines outside the root", kDeclaration + "\n\n<!-- eigene -->\n\n<M><Kategorie Name=\"Holz\"/></M>\n\n\n",
       glas, kDeclaration + "\n\n<!-- eigene -->\n\n<M><Kategorie Name=\"Glas\"/></M>\n\n\n"},
      {"tab and line break in a value", "<M><Kategorie Name=\"Holz\"/></M>",
       [](QODOM_ELEMENT root) { Rename(root, "a\tb\nc\r\"d\"&<"); },
       "<M><Kategorie Name=\"a&#9;b&#10;c&#13;&quot;d&quot;&amp;&lt;\"/></M>"},
      {"a quote in single quotes", "<M><Kategorie Name='Holz'/></M>", [](QODOM_ELEMENT root) { Rename(root, "it's"); },
       "<M><Kategorie Name='it&apos;s'/></M>"},
      {"a new attribute in the manner of the others", "<M>\n  <Kategorie Name='Holz'\n             Notiz='x'/>\n</M>",
       [](QODOM_ELEMENT root) { QODOM_SetString(First(root), "Prioritaet", "1"); },
       "<M>\n  <Kategorie Name='Holz'\n             Notiz='x'\n             Prioritaet='1'/>\n</M>"},
      {"a deleted attribute and element go with the white space before them",
       "<M>\r\n  <Kategorie Name=\"Holz\"  Prioritaet=\"0\"/>\r\n  <Kategorie Name=\"Stahl\"/>\r\n</M>",
       [](QODOM_ELEMENT root) {
         QODOM_DeleteAttr(First(root), "Prioritaet");
         QODOM_DeleteElement(QODOM_FindNextChild(First(root), "Kategorie"));
       },
       "<M>\r\n  <Kategorie Name=\"Holz\"/>\r\n</M>"},
      {"a new element indented as its siblings, with the file's line end",
       "<M>\r\n    <Kategorie Name=\"Holz\"/>\r\n</M>\r\n",
       [](QODOM_ELEMENT root) { QODOM_SetString(QODOM_AddChildElement(root, "Kategorie"), "Name", "Neu"); },
       "<M>\r\n    <Kategorie Name=\"Holz\"/>\r\n    <Kategorie Name=\"Neu\"/>\r\n</M>\r\n"},
      {"an empty-element tag that gains a child", "<M>\n  <Kategorie Name=\"Holz\" />\n</M>\n",
       [](QODOM_ELEMENT root) { QODOM_AddChildElement(First(root), "Eigenschaft"); },
       "<M>\n  <Kategorie Name=\"Holz\" >\n    <Eigenschaft />\n  </Kategorie>\n</M>\n"},
      {"Latin-1 is written as UTF-8",
       "<?xml version='1.0' encoding='ISO-8859-1'?>\n<M><Kategorie Name='Holz' N='\xFC'/></M>", glas,
       "<?xml version='1.0' encoding='UTF-8'?>\n<M><Kategorie Name='Glas' N='\xC3\xBC'/></M>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", c.original);
    std::string error;
    const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
    ASSERT_NE(root, 0u) << error;
    c.edit(root);
    const std::string name = QODOM_GetString(First(root), "Name");
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path), c.saved);
    // A second save writes the same bytes, and what was saved reads back as it was edited.
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path), c.saved);
    QODOM_CloseDoc(root);
    const QODOM_ELEMENT again = QODOM_OpenDoc(path, nullptr, error);
    EXPECT_EQ(QODOM_GetString(First(again), "Name"), name);
    QODOM_CloseDoc(again);
  }
}
