// Undo and redo in the editor; saving over another writer's change by merging it (the question's
// "Zusammenführen", the conflict list) as one step of the history.

#include "EditorTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QUndoView>

namespace {

const StartValues kAtEigen{"Beton", "Normalbeton", "EC2", "Eigen", false, false}, kQorMode{"", "", "", "", true, false};
const std::string kEigen = "Beton/Normalbeton/EC2/Eigen", kFremd = "Beton/Normalbeton/EC2/Fremd";

// Another program rewrites the user file: `from` replaced by `to`.
void WriteOver(const TestDatabase& db, const std::string& from, const std::string& to)
{
  std::string text = ReadFile(db.UserPath());
  db.Folder().Write("user.xml", text.replace(text.find(from), from.size(), to));
}

}  // namespace

TEST_F(EditorTest, TypeUndoRedoSaveMergingAnotherWritersObjectAndCloseWithoutAQuestion)
{
  Open(kAtEigen);
  m_dialog->show();
  QApplication::setActiveWindow(m_dialog.get());
  EXPECT_FALSE(m_dialog->isWindowModified());
  Edit("fck", CTavoGrid::kColWert, "30");

  // (modifiers, key; fck and fck2 in the grid, in the document Eigen's fck and Fremd's, modified)
  using Step = std::tuple<Qt::KeyboardModifiers, Qt::Key, const char*, const char*, const char*, const char*, bool>;
  const auto play = [this](std::initializer_list<Step> steps) {
    for (const auto& [modifiers, key, fck, fck2, stored, theirs, modified] : steps) {
      QTest::keyClick(m_dialog.get(), key, modifiers);
      EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), fck) << key;
      EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), fck2) << key;
      EXPECT_EQ(DocumentValue(m_handler->UserFile(), kEigen, "fck"), stored) << key;
      EXPECT_EQ(DocumentValue(m_handler->UserFile(), kFremd, "fck"), theirs) << key;
      EXPECT_EQ(m_dialog->isWindowModified(), modified) << key;
    }
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  play({{ctrl, Qt::Key_Z, "25", "50", "25", "", false},  // commits the edit, then undoes it
        {ctrl, Qt::Key_Y, "30", "60", "30", "", true},
        {ctrl, Qt::Key_Z, "25", "50", "25", "", false},
        {ctrl | Qt::ShiftModifier, Qt::Key_Z, "30", "60", "30", "", true}});
  EXPECT_EQ(Control<QToolButton>("btnUndo")->text().toStdString(), "Rückgängig: Werte von Eigen geändert");
  EXPECT_FALSE(Control<QToolButton>("btnRedo")->isEnabled());

  // Meanwhile another writer saved an object of its own: the save merges it in, as one step.
  WriteOver(*m_db, "</Objekt>", R"(</Objekt><Objekt Name="Fremd"><Eigenschaft Kurzname="fck" Wert01="45"/></Objekt>)");
  m_prompts.answers = {CEditorPrompts::Answer::Merge};
  QTest::keyClick(m_dialog.get(), Qt::Key_S, Qt::ControlModifier);  // Geänderte Werte speichern
  ASSERT_EQ(m_prompts.asked.size(), 1u);
  EXPECT_TRUE(m_prompts.conflictRows.empty());
  const std::string saved = ReadFile(m_db->UserPath());
  EXPECT_NE(saved.find(R"(Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="30")"), std::string::npos);
  EXPECT_NE(saved.find(R"(Kurzname="fck2" Name="Doppelt" Formel="2*fck" Wert01="60")"), std::string::npos);
  EXPECT_EQ(DocumentValue(m_handler->UserFile(), kFremd, "fck"), "45");
  EXPECT_NE(saved.find(R"(Wert01="45")"), std::string::npos);
  EXPECT_FALSE(m_dialog->isWindowModified());
  EXPECT_EQ(m_dialog->UndoStack()->undoText().toStdString(), "Zusammengeführt mit der Datei auf der Festplatte");
  play({{ctrl, Qt::Key_Z, "30", "60", "30", "", true}, {ctrl, Qt::Key_Y, "30", "60", "30", "45", false}});

  m_dialog->OnCancel();
  EXPECT_EQ(m_prompts.asked.size(), 1u);  // no question at closing
  EXPECT_EQ(ReadFile(m_db->UserPath()), saved);
  EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(EditorTest, MergeConflictsAreChosenInTheListOrNothingIsSaved)
{
  // (choice for fck: ours 1, the file's 2, none = cancel; fck and fck2 in the file afterwards;
  // fck in memory)
  const std::tuple<std::vector<int>, const char*, const char*, const char*> cases[] = {
      {{1}, "30", "60", "30"},
      {{2}, "40", "80", "40"},
      {{}, "40", "50", "30"},  // cancelled: the other writer's file as it was, ours in memory
  };
  for (const auto& [sides, fck, fck2, memory] : cases) {
    Open(kAtEigen);
    Edit("fck", CTavoGrid::kColWert, "30");
    m_dialog->UpdateObjectData(true);
    WriteOver(*m_db, R"(Wert01="25")", R"(Wert01="40")");
    const std::string theirs = ReadFile(m_db->UserPath());
    m_prompts.answers = {CEditorPrompts::Answer::Merge};
    m_prompts.conflictRows.clear();
    if (!sides.empty())
      m_prompts.mergeSides = {sides};
    const int steps = m_dialog->UndoStack()->count();
    m_dialog->OnSaveChanges();

    EXPECT_EQ(m_prompts.conflictRows, std::vector<std::string>{kEigen + " [fck]\tWert01\t25\t30\t40"});
    const std::string file = ReadFile(m_db->UserPath());
    EXPECT_NE(file.find(R"(Zylinderdruckfestigkeit" Wert01=")" + std::string(fck)), std::string::npos) << fck;
    EXPECT_NE(file.find(R"(Formel="2*fck" Wert01=")" + std::string(fck2) + "\""), std::string::npos) << fck2;
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), kEigen, "fck"), memory);
    EXPECT_EQ(m_dialog->isWindowModified(), sides.empty());
    if (sides.empty()) {
      EXPECT_EQ(file, theirs);
      EXPECT_EQ(m_dialog->UndoStack()->count(), steps);
    }
  }
}

TEST_F(EditorTest, HistoryViewListsTheStepsAndGoesBackToOne)
{
  Open(kQorMode);
  Control<QLineEdit>("edtPriority")->setText("5");
  m_dialog->OnPriorityChanged();
  Choose(CTavoEditDlg::kObjekt, "Eigen");
  Control<QPushButton>("btnHistory")->click();
  auto* view = m_dialog->findChild<QUndoView*>("historyView");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->model()->rowCount(), 2);  // the state when opened, the priority
  EXPECT_EQ(view->model()->index(1, 0).data().toString().toStdString(), "Priorität von C20/25 geändert");
  view->setCurrentIndex(view->model()->index(0, 0));  // back to the opened state
  QApplication::processEvents();
  EXPECT_EQ(DocumentPriority(m_handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"), "0");
  EXPECT_FALSE(m_dialog->isWindowModified());
}
