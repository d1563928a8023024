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

// Each case renames the first Kategorie from Holz to Glas unless it says otherwise; without a
// saved text given, the saved file is the original with that rename only.
struct Case {
  const char* what;
  std::string original;
  std::string saved = "";
  std::function<void(QODOM_ELEMENT root)> edit = [](QODOM_ELEMENT root) { Rename(root, "Glas"); };
};

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

}  // namespace

TEST(LosslessSave, OnlyTheEditedBytesChange)
{
  const Case cases[] = {
      {"CRLF line ends",
       kDeclaration + "\r\n<M>\r\n  <Kategorie Name=\"Holz\"/>\r\n  <Kategorie Name=\"Stahl\"/>\r\n</M>\r\n"},
      {"empty pairs, blanks inside tags, ' />'",
       "<M>\n  <Kategorie  Name = \"Holz\"\n     Prioritaet=\"0\" ></Kategorie>\n  <Leer />\n  <Paar></Paar >\n</M>"},
      {"character references",
       "<M>\n  <Kategorie Name=\"Holz\" Notiz=\"&#252;ber &gt; &quot;1&quot; &#x9;\"/>\n  <T>&#252; &amp; "
       "&gt;</T>\n</M>\n"},
      {"blank lines outside the root", kDeclaration + "\n\n<!-- eigene -->\n\n<M><Kategorie Name=\"Holz\"/></M>\n\n\n"},
      {"Latin-1 is written as UTF-8",
       "<?xml version='1.0' encoding='ISO-8859-1'?>\n<M><Kategorie Name='Holz' N='\xFC'/></M>",
       "<?xml version='1.0' encoding='UTF-8'?>\n<M><Kategorie Name='Glas' N='\xC3\xBC'/></M>"},
      {"tab and line break in a value", "<M><Kategorie Name=\"Holz\"/></M>",
       "<M><Kategorie Name=\"a&#9;b&#10;c&#13;&quot;d&quot;&amp;&lt;\"/></M>",
       [](QODOM_ELEMENT root) { Rename(root, "a\tb\nc\r\"d\"&<"); }},
      {"a quote in single quotes", "<M><Kategorie Name='Holz'/></M>", "<M><Kategorie Name='it&apos;s'/></M>",
       [](QODOM_ELEMENT root) { Rename(root, "it's"); }},
      {"a new attribute in the manner of the others", "<M>\n  <Kategorie Name='Holz'\n             Notiz='x'/>\n</M>",
       "<M>\n  <Kategorie Name='Holz'\n             Notiz='x'\n             Prioritaet='1'/>\n</M>",
       [](QODOM_ELEMENT root) { QODOM_SetString(First(root), "Prioritaet", "1"); }},
      {"a deleted attribute and element go with the white space before them",
       "<M>\r\n  <Kategorie Name=\"Holz\"  Prioritaet=\"0\"/>\r\n  <Kategorie Name=\"Stahl\"/>\r\n</M>",
       "<M>\r\n  <Kategorie Name=\"Holz\"/>\r\n</M>",
       [](QODOM_ELEMENT root) {
         QODOM_DeleteAttr(First(root), "Prioritaet");
         QODOM_DeleteElement(QODOM_FindNextChild(First(root), "Kategorie"));
       }},
      {"a new element indented as its siblings, with the file's line end",
       "<M>\r\n    <Kategorie Name=\"Holz\"/>\r\n</M>\r\n",
       "<M>\r\n    <Kategorie Name=\"Holz\"/>\r\n    <Kategorie Name=\"Neu\"/>\r\n</M>\r\n",
       [](QODOM_ELEMENT root) { QODOM_SetString(QODOM_AddChildElement(root, "Kategorie"), "Name", "Neu"); }},
      {"an empty-element tag that gains a child", "<M>\n  <Kategorie Name=\"Holz\" />\n</M>\n",
       "<M>\n  <Kategorie Name=\"Holz\" >\n    <Eigenschaft />\n  </Kategorie>\n</M>\n",
       [](QODOM_ELEMENT root) { QODOM_AddChildElement(First(root), "Eigenschaft"); }},
      {"a new element with a child of its own", "<R>\n  <A/>\n</R>\n", "<R>\n  <A/>\n  <B>\n    <C/>\n  </B>\n</R>\n",
       [](QODOM_ELEMENT root) { QODOM_AddChildElement(QODOM_AddChildElement(root, "B"), "C"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestFolder folder;
    const std::string path = folder.Write("Benutzer.xml", c.original);
    std::string error;
    const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
    ASSERT_NE(root, 0u) << error;
    c.edit(root);
    const std::string saved =
        c.saved.empty() ? std::string(c.original).replace(c.original.find("Holz"), 4, "Glas") : c.saved;
    const std::string name = QODOM_GetString(First(root), "Name");
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path), saved);
    // A second save writes the same bytes, and what was saved reads back as it was edited.
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path), saved);
    QODOM_CloseDoc(root);
    const QODOM_ELEMENT again = QODOM_OpenDoc(path, nullptr, error);
    EXPECT_EQ(QODOM_GetString(First(again), "Name"), name);
    QODOM_CloseDoc(again);
  }
}
