#include "EditorTestSupport.h"

#include "tavo/material/MaterialPath.h"
#include "tests/support/QtTestApplication.h"

#include "tavo/tavoEdit/MergeConflictDlg.h"
#include "tavo/tavoEdit/SaveQuestionDlg.h"

#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The next scripted answer, or `otherwise` when the script has run out.
template <typename T>
T Next(std::deque<T>& script, T otherwise)
{
  if (script.empty())
    return otherwise;
  T next = std::move(script.front());
  script.pop_front();
  return next;
}

}  // namespace

CEditorPrompts::Answer ScriptedPrompts::Ask(QWidget*, const std::string& text, Buttons buttons, bool)
{
  asked.push_back(text);
  return Next(answers, buttons == Buttons::Ok ? Answer::Ok : Answer::No);
}

CEditorPrompts::Answer ScriptedPrompts::AskWithChanges(QWidget* parent, const std::string& text,
                                                       const std::vector<ChangeGroup>& changes)
{
  CSaveQuestionDlg question(text, changes, parent);
  auto* tree = question.findChild<QTreeWidget*>("treeChanges");
  auto* button = question.findChild<QPushButton*>("btnDetails");
  EXPECT_TRUE(tree && button && tree->isHidden());
  std::vector<std::string> lines;
  if (tree && button && button->isEnabled()) {
    button->click();
    EXPECT_FALSE(tree->isHidden());
    for (QTreeWidgetItemIterator item(tree); *item; ++item) {
      std::string line;
      for (QTreeWidgetItem* up = (*item)->parent(); up; up = up->parent())
        line += "  ";
      line += (*item)->text(0).toStdString();
      if (!(*item)->text(1).isEmpty() || !(*item)->text(2).isEmpty())
        line += "\t" + (*item)->text(1).toStdString() + "\t" + (*item)->text(2).toStdString();
      lines.push_back(line);
    }
  }
  details.push_back(lines);
  return Ask(parent, text, Buttons::YesNoCancel, true);
}

std::optional<std::vector<bool>> ScriptedPrompts::ChooseMergeSides(QWidget* parent, const std::string& path,
                                                                   const std::vector<MergeConflict>& conflicts)
{
  CMergeConflictDlg dialog(path, conflicts, parent);
  auto* table = dialog.findChild<QTableWidget*>("tblConflicts");
  auto* ok = dialog.findChild<QPushButton*>("btnMergeOk");
  EXPECT_TRUE(table && ok && !ok->isEnabled());  // no side is taken unasked
  for (int row = 0; table && row < table->rowCount(); ++row) {
    std::string line;
    for (int column = 0; column < 5; ++column)
      line += (column ? "\t" : "") + table->item(row, column)->text().toStdString();
    conflictRows.push_back(line);
  }
  const std::vector<int> sides = Next(mergeSides, {});  // none: the OK stays disabled
  for (std::size_t row = 0; row < sides.size(); ++row)
    if (auto* side = dialog.findChild<QComboBox*>(QString("cbxSide%1").arg(row)))
      side->setCurrentIndex(sides[row]);
  if (!ok || !ok->isEnabled())
    return std::nullopt;
  return dialog.Sides();
}

bool ScriptedPrompts::RunCopyDialog(CCopyDlg& dialog)
{
  copyOffers.push_back(dialog.priorityText + "|" + std::to_string(dialog.intoUserFile));
  dialog.newName = Next(copyNames, {});
  return !dialog.newName.empty();
}

std::string StandardFixture()
{
  return MaterialFile(
      R"(  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert" Wert01="1.5" Einheit="-"/>
    <Eigenschaft Kurzname="fcm" Name="Mittlere Druckfestigkeit" Formel="fck + 8" Wert01="28" Einheit="N/mm²"/>
    <Eigenschaft Kurzname="fcd" Name="Bemessungswert" Formel="fck/gamma_c" Wert01="13.3333" Einheit="N/mm²"/>
    <Objekt Name="C20/25" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Name="Charakteristische Zylinderdruckfestigkeit" Wert01="20" Einheit="N/mm²"/>
    </Objekt>
    <Objekt Name="C30/37" Prioritaet="1">
      <Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="30" Einheit="N/mm²"/>
    </Objekt>
  </Norm></Unterkategorie></Kategorie>
  <Kategorie Name="Stahl" Prioritaet="1"><Unterkategorie Name="Baustahl" Prioritaet="0"><Norm Name="EC3" Prioritaet="0">
    <Objekt Name="S235" Prioritaet="0"><Eigenschaft Kurzname="fy" Name="Streckgrenze" Wert01="235" Einheit="N/mm²"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");
}

std::string UserFixture()
{
  return MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Objekt Name="Eigen" Prioritaet="2">
      <Eigenschaft Kurzname="fck" Name="Zylinderdruckfestigkeit" Wert01="25" Einheit="N/mm²"/>
      <Eigenschaft Kurzname="fck2" Name="Doppelt" Formel="2*fck" Wert01="50" Einheit="N/mm²"/>
      <Eigenschaft Kurzname="alt" Name="Alt" Wert01="7" Wert02="x" Einheit="-"/>
    </Objekt>
  </Norm></Unterkategorie></Kategorie>
)");
}

void EditorTest::Open(const StartValues& start, const std::string& standard, const std::string& user)
{
  m_dialog.reset();  // an earlier editor goes before its handler and its files
  m_handler.reset();
  m_prompts.asked.clear();
  m_db = std::make_unique<TestDatabase>(standard, user);
  m_handler = m_db->Open();
  m_dialog = std::make_unique<CTavoEditDlg>(*m_handler, m_prompts, start);
  m_dialog->OnInitDialog();
}

QComboBox* EditorTest::List(int level) const
{
  const char* names[] = {"cbxKategorie", "cbxUnterkategorie", "cbxNorm", "cbxObjekt"};
  return Control<QComboBox>(names[level]);
}

void EditorTest::Choose(int level, const std::string& text)
{
  QComboBox* list = List(level);
  const int line = list->findText(QString::fromStdString(text));
  ASSERT_GE(line, 0) << text;
  list->setCurrentIndex(line);
  emit list->activated(line);
}

int EditorTest::Row(const std::string& kurzname) const
{
  CTavoGrid* grid = m_dialog->Grid();
  for (int r = 1; r < grid->GetRowCount(); ++r)
    if (grid->GetCellText(r, CTavoGrid::kColKurzname) == kurzname)
      return r;
  return 0;
}

std::string EditorTest::Cell(const std::string& kurzname, int column) const
{
  const int row = Row(kurzname);
  EXPECT_GT(row, 0) << kurzname;
  return row ? m_dialog->Grid()->GetCellText(row, column) : std::string();
}

void EditorTest::Edit(const std::string& kurzname, int column, const std::string& text)
{
  const int row = Row(kurzname);
  ASSERT_GT(row, 0) << kurzname;
  CTavoGrid* grid = m_dialog->Grid();
  grid->SetCellText(row, column, text);
  grid->OnCellChanged(row, column, 0);
}

std::string EditorTest::DocumentValue(QODOM_ELEMENT file, const std::string& path, const std::string& kurzname,
                                      const char* attribute)
{
  QODOM_ELEMENT element = file;
  const CMaterialPath parsed = *CMaterialPath::Parse(path);
  for (const std::string& name : parsed.Names())
    element = QODOM_FindFirstChildWithAttr(element, "Name", name.c_str());
  if (!kurzname.empty())
    element = QODOM_FindFirstChildWithAttr(element, "Kurzname", kurzname.c_str());
  return QODOM_GetString(element, attribute);
}
