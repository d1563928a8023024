// Copy, delete and priority.

#include "EditorTestSupport.h"

#include <QTest>

namespace {

std::function<bool(CCopyDlg&)> CopyAs(const std::string& name, int intoUser = -1, const std::string& priority = "#")
{
  return [=](CCopyDlg& dialog) {
    dialog.newName = name;
    if (intoUser >= 0)
      dialog.intoUserFile = intoUser;
    if (priority != "#")
      dialog.priorityText = priority;
    return true;
  };
}

constexpr const char* kStandardChanged =
    "Die QOR - Materialdatei wurde verändert,\nSollen die Änderungen gespeichert werden?";

}  // namespace

TEST_F(EditorTest, CopyUnderATakenNameAsksAgainThenCopiesIntoTheUserFile)
{
  StartValues start;
  start.kat = "Stahl";
  Open(start, StandardFixture(), "");
  std::string proposed;
  prompts.copyRuns = {[&](CCopyDlg& dialog) {
                        proposed = dialog.priorityText;
                        dialog.newName = "S235";
                        return true;
                      },
                      CopyAs("S235 eigen")};
  Control<QPushButton>("btnCopyObject")->click();

  EXPECT_EQ(proposed, "");  // the normal mode proposes nothing: the copy gets no priority
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0], "Der angegebene Name existiert schon!");
  EXPECT_EQ(List(3)->currentText(), "S235 eigen");
  EXPECT_EQ(Cell("fy", CTavoGrid::kColWert), "235");
  dialog->OnSaveChanges();
  const std::string saved = ReadFile(db->UserPath());
  EXPECT_NE(saved.find(R"(<Kategorie Name="Stahl">)"), std::string::npos) << saved;
  EXPECT_NE(saved.find(R"(<Norm Name="EC3">)"), std::string::npos) << saved;
  EXPECT_NE(saved.find(R"(<Objekt Name="S235 eigen">)"), std::string::npos) << saved;
  EXPECT_TRUE(Control<QPushButton>("btnDeleteObject")->isEnabled());
}

TEST_F(EditorTest, CopyIntoTheUserFileFlattensInheritedProperties)
{
  Open();
  prompts.copyRuns = {CopyAs("C20/25 eigen")};
  dialog->OnCopyObject();
  EXPECT_EQ(List(3)->currentText(), "C20/25 eigen");
  const std::string path = "Beton/Normalbeton/EC2/C20/25 eigen";
  QODOM_ELEMENT copy = QODOM_FindFirstChildWithAttr(
      QODOM_FindFirstChildWithAttr(
          QODOM_FindFirstChildWithAttr(QODOM_FindFirstChildWithAttr(handler->UserFile(), "Name", "Beton"), "Name",
                                       "Normalbeton"),
          "Name", "EC2"),
      "Name", "C20/25 eigen");
  int properties = 0;
  for (QODOM_ELEMENT p = QODOM_FindFirstChild(copy, "Eigenschaft"); p; p = QODOM_FindNextChild(p, "Eigenschaft"))
    ++properties;
  EXPECT_EQ(properties, 4);  // fck, and gamma_c, fcm, fcd of the code
  EXPECT_EQ(Cell("fck", CTavoGrid::kColKnoten), "C20/25 eigen");
  EXPECT_EQ(Cell("fcm", CTavoGrid::kColKnoten), "C20/25 eigen");
}

TEST_F(EditorTest, CopyInQorModeProposesThePriorityAndClonesIntoTheStandardFile)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  std::string proposed;
  int intoUser = -1;
  prompts.copyRuns = {[&](CCopyDlg& dialog) {
    proposed = dialog.priorityText;
    intoUser = dialog.intoUserFile;
    dialog.newName = "C25/30";
    dialog.priorityText = "abc";  // handed on unchanged
    return true;
  }};
  dialog->OnCopyObject();
  EXPECT_EQ(proposed, "3");  // priorities 0, 1 and the user's 2
  EXPECT_EQ(intoUser, 0);
  EXPECT_EQ(List(3)->currentText(), "C25/30");
  EXPECT_EQ(Cell("fcm", CTavoGrid::kColKnoten), "EC2");  // still inherited from the code
  dialog->OnSaveChanges();
  EXPECT_NE(ReadFile(db->StandardPath()).find(R"(<Objekt Name="C25/30" Prioritaet="abc">)"), std::string::npos);
}

TEST_F(EditorTest, CancelledCopyChangesNothing)
{
  Open();
  prompts.copyRuns = {[](CCopyDlg&) { return false; }};
  dialog->OnCopyObject();
  EXPECT_EQ(List(3)->count(), 3);
  dialog->OnCancel();
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(EditorTest, DeletingAUserObjectShowsTheStandardObjectOfTheSameName)
{
  const std::string user = MaterialFile(R"(<Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
      <Objekt Name="Eigen"><Eigenschaft Kurzname="fck" Wert01="25"/></Objekt>
      <Objekt Name="C30/37" Prioritaet="1"><Eigenschaft Kurzname="fck" Wert01="99"/></Objekt>
    </Norm></Unterkategorie></Kategorie>
)");
  StartValues start;
  start.objekt = "Eigen";
  Open(start, StandardFixture(), user);
  prompts.answers = {CEditorPrompts::Answer::No};
  dialog->OnDeleteObject();
  EXPECT_EQ(prompts.asked.back(), "Sind Sie sicher, dass sie das Objekt 'Eigen' löschen wollen?");
  EXPECT_EQ(List(3)->currentText(), "Eigen");

  prompts.answers = {CEditorPrompts::Answer::Yes};
  dialog->OnDeleteObject();
  EXPECT_EQ(List(3)->findText("Eigen"), -1);
  EXPECT_EQ(List(3)->currentIndex(), 0);
  Choose(3, "C30/37");
  EXPECT_EQ(Cell("fck", CTavoGrid::kColWert), "30");  // the standard file's, read from its document
  EXPECT_EQ(dialog->Selection(CTavoEditDlg::kObjekt), List(3)->currentIndex());
}

TEST_F(EditorTest, NormalModeDoesNotDeleteStandardObjects)
{
  Open();
  prompts.answers = {CEditorPrompts::Answer::Yes};
  dialog->OnDeleteObject();
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(List(3)->count(), 3);
}

TEST_F(EditorTest, PriorityFieldStoresANumberAndIgnoresTheRest)
{
  StartValues start;
  start.qorMode = true;
  Open(start);
  QLineEdit* priority = Control<QLineEdit>("edtPriority");
  const auto stored = [&] { return DocumentPriority(handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"); };
  for (const char* text : {"abc", "-1", ""}) {
    priority->setText(text);
    dialog->OnPriorityChanged();
    EXPECT_EQ(stored(), "0") << text;
  }
  priority->setText(" 12 ");
  dialog->OnPriorityChanged();
  EXPECT_EQ(stored(), "12");
}

TEST_F(EditorTest, TypedPriorityIsStoredBeforeTheClosingQuestionsHoweverTheEditorCloses)
{
  const std::function<void(CTavoEditDlg&)> closings[] = {
      [](CTavoEditDlg& dlg) { QTest::keyClick(dlg.findChild<QLineEdit*>("edtPriority"), Qt::Key_Escape); },
      [](CTavoEditDlg& dlg) { dlg.close(); },
      [](CTavoEditDlg& dlg) { QTest::mouseClick(dlg.findChild<QPushButton*>("btnClose"), Qt::LeftButton); },
  };
  for (const auto& close : closings) {
    StartValues start;
    start.qorMode = true;
    Open(start);
    dialog->show();
    QLineEdit* priority = Control<QLineEdit>("edtPriority");
    priority->setFocus();
    priority->selectAll();
    QTest::keyClicks(priority, "7");
    prompts.answers = {CEditorPrompts::Answer::Cancel};  // the dialog stays open to be looked at
    close(*dialog);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{kStandardChanged});
    EXPECT_EQ(DocumentPriority(handler->StandardFile(), "Beton/Normalbeton/EC2/C20/25"), "7");
    prompts.asked.clear();
  }
}
