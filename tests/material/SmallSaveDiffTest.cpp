// Saving keeps the diff small, so that a shared library's history reads as its edits: a file
// saved unchanged keeps every byte, and changing one value changes one line.

#include "tavo/outside/QODOM.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// Each file has an element <E ... Wert01="1" .../> on a line of its own.
const struct {
  const char* name;
  std::string text;
} kLayouts[] = {
    {"Plain",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<M>\n  <E Kurzname=\"a\" Wert01=\"1\"/>\n  <E Kurzname=\"b\" "
     "Wert01=\"2\"/>\n</M>\n"},
    {"SingleQuotesAndSpaces", "<M>\n  <E Kurzname = 'a'  Wert01='1' />\n  <E Kurzname='b' Wert01='2'></E>\n</M>\n"},
    {"TabsAndCrLf", "<M>\r\n\t<E Kurzname=\"a\" Wert01=\"1\"/>\r\n\t<E Kurzname=\"b\" Wert01=\"2\"/>\r\n</M>\r\n"},
    {"ReferencesKeptAsWritten",
     "<M>\n  <E Kurzname=\"a&#x41;\" Name=\"x &gt; y\" Wert01=\"1\"/>\n  <E Kurzname=\"b\" Name=\"&#228;\" "
     "Wert01=\"2\"/>\n</M>\n"},
    {"AttributesOverLines", "<M>\n  <E Kurzname=\"a\" Wert01=\"1\"/>\n  <E Kurzname=\"b\"\n     Wert01=\"2\"/>\n</M>"},
};

TEST(SmallSaveDiff, UnchangedIsByteForByteAndOneValueIsOneLine)
{
  for (const auto& layout : kLayouts) {
    TestFolder folder;
    const std::string path = folder.Write("m.xml", layout.text);
    std::string error;
    const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
    ASSERT_NE(root, 0u) << error;
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    EXPECT_EQ(ReadFile(path), layout.text) << layout.name;

    QODOM_SetString(QODOM_GetFirstChildElement(root), "Wert01", "5");
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    const std::vector<std::string> before = Lines(layout.text), after = Lines(ReadFile(path));
    ASSERT_EQ(after.size(), before.size()) << layout.name << "\n" << ReadFile(path);
    int changed = 0;
    for (std::size_t n = 0; n < before.size(); ++n)
      changed += before[n] != after[n] ? 1 : 0;
    EXPECT_EQ(changed, 1) << layout.name << "\n" << ReadFile(path);
    QODOM_CloseDoc(root);
  }
}

}  // namespace
