// The committed corpus of malformed and hostile material files: each gives a clear error with
// its line and column, or loads with the documented result; none crashes, hangs or gets written.

#include "tavo/material/MaterialCheck.h"
#include "tavo/outside/QODOM.h"

#include "tests/support/ExploreDatabase.h"
#include "tests/support/RunProcess.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace {

struct CorpusFile {
  const char* name;
  const char* error;    // "LINE:COLUMN: reason" of a file that does not open; nullptr when it opens
  const char* finding;  // the first line `tavo check` prints after "FILE:"; "" when none
  bool sameBytes;       // a save without edits gives the file's bytes back
};

// clang-format off
const CorpusFile kCorpus[] = {
  {"truncated.xml",               "6:5: Start-end tags mismatch", nullptr, false},
  {"two-roots.xml",               "4:2: more than one root element", nullptr, false},
  {"mismatched-tags.xml",         "4:5: Start-end tags mismatch", nullptr, false},
  {"invalid-utf8.xml",            "3:25: the file is not valid UTF-8 text", nullptr, false},
  {"nul-byte.xml",                "3:22: the control character U+0000 is not allowed in XML", nullptr, false},
  {"priority-given-twice.xml",    "3:4: an attribute is given twice", nullptr, false},
  {"many-attributes-one-repeated.xml", "2:2: an attribute is given twice", nullptr, false},
  {"control-characters.xml",      "3:22: the control character U+0001 is not allowed in XML", nullptr, false},
  {"nul-after-root.xml",          "5:1: the control character U+0000 is not allowed in XML", nullptr, false},
  {"reference-nul.xml",           "3:23: the character reference &#0; names no character that XML allows", nullptr, false},
  {"reference-surrogate-high.xml", "3:25: the character reference &#xD800; names no character that XML allows", nullptr, false},
  {"reference-surrogate-low.xml", "3:25: the character reference &#xDFFF; names no character that XML allows", nullptr, false},
  {"reference-beyond-unicode.xml", "3:25: the character reference &#x110000; names no character that XML allows", nullptr, false},
  {"reference-huge-number.xml",   "3:25: the character reference &#99999999999; names no character that XML allows", nullptr, false},
  {"text-after-root.xml",         "5:1: text after the root element", nullptr, false},
  {"attribute-raw-less-than.xml", "3:21: a raw \"<\" in an attribute value; write it as \"&lt;\"", nullptr, false},
  {"attribute-bare-ampersand.xml", "3:26: a bare \"&\"; write it as \"&amp;\"", nullptr, false},
  {"comment-double-hyphen.xml",   "2:12: \"--\" inside a comment", nullptr, false},
  {"space-before-declaration.xml", "1:2: the XML declaration must stand at the very start of the file", nullptr, false},
  {"encoding-unknown.xml",        "1:31: the encoding \"koi8-r\" is not supported here", nullptr, false},
  {"utf16-odd-byte.xml",          "5:1: the file is not valid UTF-16LE text", nullptr, false},
  // billion laughs among them: refused at the first declaration, nothing expanded
  {"entity-declarations.xml",     "3:3: entity declarations (<!ENTITY>) are not supported", nullptr, false},
  {"entity-used.xml",             "3:3: entity declarations (<!ENTITY>) are not supported", nullptr, false},
  {"entity-undefined.xml",        "3:20: the entity reference &kat; is not supported: only &lt; &gt; &amp; &quot; &apos; and character references are", nullptr, false},
  {"empty.xml",                   "1:1: No document element found", nullptr, false},
  {"no-root.xml",                 "3:1: No document element found", nullptr, false},
  {"utf16-bom.xml",               nullptr, "", false},  // read as UTF-16, written back as UTF-8
  {"windows1252-declared.xml",    nullptr, "", false},  // converted, declared UTF-8 from then on
  {"windows1252-undeclared.xml",  nullptr, "", false},
  {"encoding-lookalike.xml",      nullptr, "", false},  // "encodingX" declares nothing: read as 1252
  {"declaration-lookalike.xml",   nullptr, "", false},  // "<?xmlDimens" is an instruction: read as 1252
  {"huge-attribute.xml",          nullptr, "", true},
  {"name-with-backslashes.xml",   nullptr, "", true},
  {"deep-nesting.xml",            nullptr, "3: x: unknown element <Kategorie> under <Kategorie>; it is ignored", true},
  {"priority-negative.xml",       nullptr, "6: Beton\\Normalbeton\\EC2\\C20/25: the Prioritaet \"-1\" is negative and counts as missing: the object is listed at the end", true},
  {"priority-huge.xml",           nullptr, "6: Beton\\Normalbeton\\EC2\\C20/25: the Prioritaet \"4000000000\" is above 65535 and counts as missing: the object is listed at the end", true},
  {"priority-not-a-number.xml",   nullptr, "6: Beton\\Normalbeton\\EC2\\C20/25: the Prioritaet \"zwei\" is not a whole number; it is read as 0", true},
  {"priority-shared.xml",         nullptr, "9: Beton\\Normalbeton\\EC2\\C25/30: the Prioritaet 0 is also held by \"C20/25\"; the list shows this Objekt at position 1 instead", true},
  {"missing-attributes.xml",      nullptr, "3: (no Name): the Kategorie has no Name, so no list can show it", true},
  {"unknown-elements.xml",        nullptr, "4: Beton: unknown element <Objekt> under <Kategorie>; it is ignored", true},
  {"formula-hostile.xml",         nullptr, "8: Beton\\Normalbeton\\EC2\\C20/25: the formula \"((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((...\" of tief fails: Formel zu tief verschachtelt (mehr als 200 Ebenen).", true},
};
// clang-format on

std::string CorpusFolder()
{
  return std::string(std::getenv("TAVO_TEST_DATA")) + "/corpus/files";
}

// Names and bytes of a folder's material files, to prove that nothing was written (the start-up
// log is written on every start by design).
std::map<std::string, std::string> Snapshot(const std::string& folder)
{
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename() != "startup.log")
      files[entry.path().filename().string()] = ReadFile(entry.path().string());
  return files;
}

std::string FirstLine(const std::string& text)
{
  return text.substr(0, text.find('\n'));
}

}  // namespace

TEST(Corpus, EveryFileHasItsExpectation)
{
  std::set<std::string> listed, present;
  for (const CorpusFile& file : kCorpus)
    listed.insert(file.name);
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder()))
    present.insert(entry.path().filename().string());
  EXPECT_EQ(listed, present);
}

TEST(Corpus, EachFileGivesAClearErrorOrItsDocumentedResultAndIsNeverWritten)
{
  for (const CorpusFile& file : kCorpus) {
    SCOPED_TRACE(file.name);
    const std::string original = ReadFile(CorpusFolder() + "/" + file.name);
    TestDatabase database(original);
    database.Folder().Write("standard.xml", original);  // the empty file too
    const auto before = Snapshot(database.Folder().Root());
    {
      const auto handler = database.Open();
      if (file.error) {
        EXPECT_EQ(handler->StandardFile(), 0u);
        EXPECT_EQ(handler->StandardOpenError(), database.StandardPath() + ":" + file.error);
        EXPECT_FALSE(QODOM_SaveDoc(QODOM_GetDocument(handler->StandardFile())));
      } else {
        ASSERT_NE(handler->StandardFile(), 0u) << handler->StandardOpenError();
        ExploreDatabase(*handler);
        const auto findings = CMaterialCheck(*handler).Run();
        const std::string first = findings.empty() ? "" : FormatFinding(findings.front());
        EXPECT_EQ(first, findings.empty() ? "" : database.StandardPath() + ":" + file.finding);
        EXPECT_EQ(findings.empty(), *file.finding == '\0');
      }
    }
    EXPECT_EQ(Snapshot(database.Folder().Root()), before) << "opening or checking wrote a file";

    // The command reports the same, with the file and line, and writes nothing either.
    const ProcessResult check = RunProcess(
        std::getenv("TAVO_CLI"), {"--standard", database.StandardPath(), "--user", database.UserPath(), "check"});
    if (file.error) {
      EXPECT_EQ(check.exitCode, 3);
      EXPECT_EQ(FirstLine(check.out).rfind(database.StandardPath() + ":" +
                                               std::string(file.error).substr(0, std::string(file.error).find(':')) +
                                               ": (file): column ",
                                           0),
                0u)
          << check.out;
    } else {
      EXPECT_EQ(check.exitCode, *file.finding ? 1 : 0) << check.out << check.err;
      EXPECT_EQ(FirstLine(check.out), *file.finding ? database.StandardPath() + ":" + file.finding : "");
    }
    EXPECT_EQ(Snapshot(database.Folder().Root()), before) << "tavo check wrote a file";
  }
}

TEST(Corpus, EveryLoadableFileSavesAndReadsBackUnchanged)
{
  for (const CorpusFile& file : kCorpus) {
    if (file.error)
      continue;
    SCOPED_TRACE(file.name);
    const std::string original = ReadFile(CorpusFolder() + "/" + file.name);
    TestFolder folder;
    const std::string path = folder.Write("copy.xml", original);
    std::string error;
    const QODOM_ELEMENT root = QODOM_OpenDoc(path, nullptr, error);
    ASSERT_NE(root, 0u) << error;
    ASSERT_TRUE(QODOM_SaveDoc(QODOM_GetDocument(root))) << QODOM_LastSaveError();
    const std::string saved = ReadFile(path);
    EXPECT_EQ(saved == original, file.sameBytes)
        << "first difference at byte "
        << std::mismatch(saved.begin(), saved.end(), original.begin(), original.end()).first - saved.begin() << ": "
        << saved.substr(
               std::mismatch(saved.begin(), saved.end(), original.begin(), original.end()).first - saved.begin(), 40);
    EXPECT_EQ(ReadFile(path + ".bak"), original);
    QODOM_CloseDoc(root);

    // What was saved reads back as the same document.
    const QODOM_ELEMENT again = QODOM_OpenDoc(path, nullptr, error);
    ASSERT_NE(again, 0u) << error;
    EXPECT_EQ(QODOM_SerializeDoc(QODOM_GetDocument(again)), saved);
    QODOM_CloseDoc(again);
  }
}
