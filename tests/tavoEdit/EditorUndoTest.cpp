// Undo and redo in the editor, and the list of changes behind the closing questions.

#include "EditorTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QUndoView>

TEST_F(EditorTest, TypeUndoRedoSaveAndCloseWithoutAQuestion)
{
  StartValues start;
  start.objekt = "Eigen";
  Open(start);
  m_dialog->show();
  QApplication::setActiveWindow(m_dialog.get());
  EXPECT_FALSE(m_dialog->isWindowModified());
  Edit("fck", CTavoGrid::kColWert, "30");

  // (keys, modifiers, fck in the grid, fck2 in the grid, fck in the document, modified)
  struct Step {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    const char *fck, *fck2, *stored;
    bool modified;
  };
  const Step steps[] = {
      {Qt::ControlModifier, Qt::Key_Z, "25", "50", "25", false},  // commits the edit, then undoes it
      {Qt::ControlModifier, Qt::Key_Y, "30", "60", "30", true},
      {Qt::ControlModifier, Qt::Key_Z, "25", "50", "25", false},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, "30", "60", "30", true},
  };
  for (const Step& step : steps) {
    QTest::keyClick(m_dialog.get(), step.key, step.modifiers);
    EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), step.fck) << step.key;
    EXPECT_EQ(Cell("fck2", CTavoGrid::kColWert), step.fck2) << step.key;
    EXPECT_EQ(DocumentValue(m_handler->UserFile(), "Beton/Normalbeton/EC2/Eigen", "fck"), step.stored) << step.key;
    EXPECT_EQ(m_dialog->isWindowModified(), step.modified) << step.key;
  }
  EXPECT_EQ(Control<QToolButton>("btnUndo")->text().toStdString(), "Rückgängig: Werte von Eigen geändert");
  EXPECT_FALSE(Control<QToolButton>("btnRedo")->isEnabled());

  QTest::keyClick(m_dialog.get(), Qt::Key_S, Qt::ControlModifier);  // Geänderte Werte speichern
  EXPECT_FALSE(m_dialog->isWindowModified());
  EXPECT_NE(ReadFile(m_db->UserPath()).find(R"(Kurzname="fck2" Name="Doppelt" Formel="2*fck" Wert01="60")"),
            std::string::npos);
  m_dialog->OnCancel();
  EXPECT_TRUE(m_prompts.asked.empty());
  EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(EditorTest, HistoryViewListsTheStepsAndGoesBackToOne)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
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
