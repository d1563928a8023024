// The journal of a document's changes: every kind of change undone and redone byte for byte, with
// the handles taken before, and what it costs in memory.

#include "tavo/outside/ContentMark.h"
#include "tavo/outside/QODOMJournal.h"
#include "tests/support/ParsedDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr const char* kDoc = R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
  <Kategorie Name="Beton" Prioritaet="0">
    <Norm Name="EC2">
      <!-- Betone -->
      <Objekt Name="C20/25" Prioritaet="0"><Eigenschaft Kurzname="fck" Formel="" Wert01="20"/></Objekt>
      <Objekt Name="C30/37" Prioritaet="1">
        <Eigenschaft Kurzname="fck" Name="a &amp; b" Wert01="30" Einheit="N/mm²"/>
      </Objekt>
    </Norm>
  </Kategorie>
  <Kategorie Name="Leer"/>
</Materialdatei>
)";

const auto Journal = [](const ParsedDoc& doc) { return QODOM_GetJournal(QODOM_GetDocument(doc.root)); };
const auto MoveTo = [](const ParsedDoc& d, std::size_t n) { return QODOM_MoveJournalTo(QODOM_GetDocument(d.root), n); };
const auto Ec2 = [](const ParsedDoc& doc) { return doc.Find({"Beton", "EC2"}); };
const auto Obj = [](const ParsedDoc& doc, const char* name) { return doc.Find({"Beton", "EC2", name}); };
const auto Fck = [](const ParsedDoc& d, const char* o) { return QODOM_FindFirstChild(Obj(d, o), "Eigenschaft"); };

}  // namespace

TEST(DocumentJournal, EveryChangeUndoneAndRedoneByteForByte)
{
  const std::pair<const char*, std::function<void(const ParsedDoc&)>> cases[] = {
      {"set an attribute", [](auto& d) { QODOM_SetString(Fck(d, "C30/37"), "Wert01", "35"); }},
      {"add an attribute", [](auto& d) { QODOM_SetString(Fck(d, "C30/37"), "Wert02", "x"); }},
      {"remove a middle attribute", [](auto& d) { QODOM_DeleteAttr(Fck(d, "C30/37"), "Name"); }},
      {"remove the first attribute", [](auto& d) { QODOM_DeleteAttr(Fck(d, "C20/25"), "Kurzname"); }},
      {"add a child to an empty element", [](auto& d) { QODOM_AddChildElement(d.Find({"Leer"}), "Norm"); }},
      {"add a child among indented ones", [](auto& d) { QODOM_AddChildElement(Ec2(d), "Objekt"); }},
      {"add a child to an inline one", [](auto& d) { QODOM_AddChildElement(Obj(d, "C20/25"), "E"); }},
      {"clone a subtree",
       [](auto& d) { QODOM_CloneElementTree(Ec2(d), QODOM_AddChildElement(d.Find({"Leer"}), "Norm")); }},
      {"delete an element", [](auto& d) { QODOM_DeleteElement(Obj(d, "C20/25")); }},
      {"delete a subtree", [](auto& d) { QODOM_DeleteElement(d.Find({"Beton"})); }},
      {"edit, then delete what holds the edit",
       [](auto& d) {
         QODOM_SetString(Fck(d, "C30/37"), "Wert01", "99");
         QODOM_DeleteElement(Ec2(d));
       }},
      {"copy, then rename and delete",
       [](auto& d) {
         const QODOM_ELEMENT copy = QODOM_AddChildElement(Ec2(d), "Objekt");
         QODOM_CloneElementTree(Obj(d, "C30/37"), copy);
         QODOM_SetString(copy, "Name", "C30/37 Kopie");
         QODOM_DeleteElement(Obj(d, "C20/25"));
       }},
  };
  for (const auto& [name, change] : cases) {
    const ParsedDoc doc(kDoc);
    const std::string before = doc.Text();
    const QODOM_ELEMENT fck = Fck(doc, "C30/37");  // a handle, and the lookup's index, from before
    change(doc);
    if (!Obj(doc, "C30/37")) {
      EXPECT_STREQ(QODOM_GetString(fck, "Wert01"), "") << name;  // inert while deleted
    }
    const std::string after = doc.Text();
    ASSERT_NE(after, before) << name;
    const std::size_t end = Journal(doc)->Position();
    // Undone, redone, and undone once more from the redone state.
    for (const auto& [position, text] : {std::pair(std::size_t{0}, before), {end, after}, {0, before}}) {
      ASSERT_TRUE(MoveTo(doc, position)) << name;
      EXPECT_EQ(doc.Text(), text) << name << " at " << position;
    }
    EXPECT_FALSE(MoveTo(doc, end + 1)) << name;
    // Handles of a restored subtree name it again, and its elements are found by name again.
    EXPECT_STREQ(QODOM_GetString(fck, "Wert01"), "30") << name;
    EXPECT_EQ(QODOM_GetParentElement(fck), Obj(doc, "C30/37")) << name;
  }
}

TEST(DocumentJournal, AChangeAfterAnUndoReplacesWhatWasUndone)
{
  const ParsedDoc doc(kDoc);
  const DocumentJournal& journal = *Journal(doc);
  QODOM_SetString(Fck(doc, "C30/37"), "Wert01", "31");
  QODOM_SetString(Fck(doc, "C30/37"), "Wert01", "31");  // no change, no entry
  QODOM_MarkJournalSaved(QODOM_GetDocument(doc.root));
  QODOM_DeleteElement(doc.Find({"Leer"}));
  EXPECT_EQ(journal.Entries().size(), 3u);  // the edit, the blank before Leer, Leer
  MoveTo(doc, 0);
  const std::uint64_t generation = journal.Generation();
  QODOM_SetString(Fck(doc, "C30/37"), "Wert01", "32");
  EXPECT_EQ(journal.Entries().size(), 1u);
  EXPECT_EQ(journal.Generation(), generation + 1);
  EXPECT_EQ(journal.SavedPosition(), DocumentJournal::npos);  // the saved state is gone
}

TEST(DocumentJournal, CostsWhatChangedNotTheDocument)
{
  // 10,000 value edits cost the same in a document of 10 objects and in one of 2,000; a deleted
  // subtree costs about its own size.
  const auto journalBytes = [](int objects, int edits) {
    std::string text = "<Materialdatei>\n";
    for (int i = 0; i < objects; ++i)
      text += "  <Objekt Name=\"O" + std::to_string(i) + "\"><Eigenschaft Kurzname=\"fck\" Wert01=\"" +
              std::string(40, 'x') + "\"/></Objekt>\n";
    const ParsedDoc doc(text + "</Materialdatei>\n");
    QODOM_ELEMENT object = QODOM_FindFirstChild(doc.root, "Objekt");
    for (int i = 0; i < edits; ++i)
      QODOM_SetString(QODOM_FindFirstChild(object, "Eigenschaft"), "Wert01", std::to_string(i).c_str());
    const std::size_t edited = Journal(doc)->BytesHeld();
    QODOM_DeleteElement(QODOM_FindNextChild(object, "Objekt"));
    return std::pair(edited, Journal(doc)->BytesHeld() - edited);
  };
  const auto [small, smallDelete] = journalBytes(10, 10000);
  const auto [large, largeDelete] = journalBytes(2000, 10000);
  EXPECT_EQ(small, large);
  EXPECT_LT(large, 10000u * 300);  // a few hundred bytes per edit at most, growth of the list included
  EXPECT_EQ(smallDelete, largeDelete);
  EXPECT_LT(largeDelete, 600u);  // one object of about 90 bytes of text, and the blank before it
  EXPECT_LT(journalBytes(2000, 0).first, 1000u);
}

TEST(DocumentJournal, ContentMarksAnswerAsFingerprintsWithoutTakingThemUnasked)
{
  using Step = std::function<void(const ParsedDoc&)>;
  const Step none = [](auto&) {};
  const Step edit = [](auto& d) { QODOM_SetString(Fck(d, "C30/37"), "Wert01", "35"); };
  const Step back = [](auto& d) { QODOM_SetString(Fck(d, "C30/37"), "Wert01", "30"); };
  const Step undo = [](auto& d) { MoveTo(d, Journal(d)->Position() - 1); };
  const Step moveName = [](auto& d) {  // removed and set again: now the last attribute
    QODOM_DeleteAttr(Fck(d, "C30/37"), "Name");
    QODOM_SetString(Fck(d, "C30/37"), "Name", "a & b");
  };
  const struct {
    const char* what;
    Step before, after;  // the steps before the mark and after it
    bool differs;
  } cases[] = {
      {"untouched", none, none, false},
      {"edited", none, edit, true},
      {"edited and changed back", none, [&](auto& d) { edit(d), back(d); }, false},
      {"edited and undone", none, [&](auto& d) { edit(d), undo(d); }, false},
      {"an attribute moved", none, moveName, true},
      {"marked after an edit, then undone", edit, undo, true},
      {"marked after an undo, redone and changed back", [&](auto& d) { edit(d), undo(d); },
       [&](auto& d) { MoveTo(d, 1), back(d); }, false},
  };
  for (const auto& c : cases) {
    const ParsedDoc doc(kDoc);
    c.before(doc);
    const CContentMark mark(doc.root);
    const CFingerPrint marked = QODOM_GetFingerPrint(doc.root);
    c.after(doc);
    const std::string text = doc.Text();
    EXPECT_EQ(mark.Differs(doc.root), c.differs) << c.what;
    EXPECT_EQ(c.differs, !(QODOM_GetFingerPrint(doc.root) == marked)) << c.what;
    EXPECT_EQ(doc.Text(), text) << c.what;  // the journal came back to where it stood
  }
}
