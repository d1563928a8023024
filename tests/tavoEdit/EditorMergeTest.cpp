// Saving over another writer's change by merging it: the question's "Zusammenführen", the
// conflict list, and the merge as one step of the history.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QUndoStack>

namespace {

const StartValues kAtEigen{"Beton", "Normalbeton", "EC2", "Eigen", false, false};
const std::string kEigen = "Beton/Normalbeton/EC2/Eigen", kFremd = "Beton/Normalbeton/EC2/Fremd";

// Another program rewrites the user file: `from` replaced by `to`.
void WriteOver(const TestDatabase& db, const std::string& from, const std::string& to)
{
  std::string text = ReadFile(db.UserPath());
  db.Folder().Write("user.xml", text.replace(text.find(from), from.size(), to));
}

}  // namespace

TEST_F(EditorTest, MergeKeepsBothWritersChangesAsOneUndoStep)
{
  Open(kAtEigen);
  m_dialog->show();
  QApplication::setActiveWindow(m_dialog.get());
  Edit("fck", CTavoGrid::kColWert, "30");
  WriteOver(*m_db, "</Objekt>",
            "</Objekt>\n        <Objekt Name=\"Fremd\" Prioritaet=\"3\">\n          <Eigenschaft Kurzname=\"fck\" "
            "Name=\"Zylinderdruckfestigkeit\" Wert01=\"45\" Einheit=\"N/mm²\"/>\n        </Objekt>");

  m_prompts.answers = {CEditorPrompts::Answer::Merge};
  QTest::keyClick(m_dialog.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_TRUE(m_prompts.conflictRows.empty());
  const std::string saved = ReadFile(m_db->UserPath());
  EXPECT_NE(saved.find(R"(Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="30")"), std::string::npos);
  EXPECT_EQ(DocumentValue(m_handler->UserFile(), kFremd, "fck"), "45");
  EXPECT_NE(saved.find(R"(Wert01="45")"), std::string::npos);
  EXPECT_FALSE(m_dialog->isWindowModified());
  EXPECT_EQ(m_dialog->UndoStack()->undoText().toStdString(), "Zusammengeführt mit der Datei auf der Festplatte");

  // (key, Fremd's fck in memory, Eigen's fck, modified)
  const std::tuple<Qt::Key, const char*, const char*, bool> steps[] = {{Qt::Key_Z, "", "30", true},
                                                                       {Qt::Key_Y, "45", "30", false}};
  for (const auto& [key, theirs, ours, modified] : steps) {
    QTest::keyClick(m_dialog.get(), key, Qt::ControlModifier);
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), kFremd, "fck"), theirs) << key;
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), kEigen, "fck"), ours) << key;
    EXPECT_EQ(m_dialog->isWindowModified(), modified) << key;
  }
  m_dialog->OnCancel();
  EXPECT_EQ(m_prompts.asked.size(), 1u);  // no question at closing
  EXPECT_EQ(ReadFile(m_db->UserPath()), saved);
}

TEST_F(EditorTest, MergeConflictsAreChosenInTheListOrNothingIsSaved)
{
  // (choice for fck: ours 1, the file's 2, none = cancel; fck and fck2 in the file afterwards;
  // fck in memory)
  struct Case {
    std::vector<int> sides;
    const char *fck, *fck2, *memory;
  };
  const Case cases[] = {
      {{1}, "30", "60", "30"},
      {{2}, "40", "80", "40"},
      {{}, "40", "50", "30"},  // cancelled: the other writer's file as it was, ours in memory
  };
  for (const Case& c : cases) {
    Open(kAtEigen);
    Edit("fck", CTavoGrid::kColWert, "30");
    m_dialog->UpdateObjectData(true);
    WriteOver(*m_db, R"(Wert01="25")", R"(Wert01="40")");
    const std::string theirs = ReadFile(m_db->UserPath());
    m_prompts.answers = {CEditorPrompts::Answer::Merge};
    m_prompts.conflictRows.clear();
    if (!c.sides.empty())
      m_prompts.mergeSides = {c.sides};
    const int steps = m_dialog->UndoStack()->count();
    m_dialog->OnSaveChanges();

    EXPECT_EQ(m_prompts.conflictRows, std::vector<std::string>{kEigen + " [fck]\tWert01\t25\t30\t40"});
    const std::string file = ReadFile(m_db->UserPath());
    EXPECT_NE(file.find(R"(Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01=")" + std::string(c.fck)),
              std::string::npos)
        << c.fck;
    EXPECT_NE(file.find(R"(Formel="2*fck" Wert01=")" + std::string(c.fck2) + "\""), std::string::npos) << c.fck2;
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), kEigen, "fck"), c.memory);
    if (c.sides.empty()) {
      EXPECT_EQ(file, theirs);
      EXPECT_EQ(m_dialog->UndoStack()->count(), steps);
      EXPECT_TRUE(m_dialog->isWindowModified());
    } else {
      EXPECT_FALSE(m_dialog->isWindowModified());
    }
  }
}
