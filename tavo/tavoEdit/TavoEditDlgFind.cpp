// Looking at the database without changing it: the quick find, the provenance of the grid's rows
// and the hints about who a change reaches, the formula inspector, the compare view and the export.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/ObjectExport.h"
#include "tavo/material/PathObjects.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/outside/AtomicFile.h"
#include "tavo/outside/FailureReasons.h"
#include "tavo/outside/VBT.h"
#include "tavo/shell/RecentObjects.h"
#include "tavo/tavoEdit/CompareDlg.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/FindField.h"
#include "tavo/tavoEdit/FormulaInspector.h"
#include "tavo/tavoEdit/ProvenanceBadge.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

std::string Fill(std::string text, const std::string& a, const std::string& b = "", const std::string& c = "",
                 const std::string& d = "")
{
  const std::string values[] = {a, b, c, d};
  for (int i = 0; i < 4; ++i)
    for (std::size_t at; (at = text.find("%" + std::to_string(i + 1))) != std::string::npos;)
      text.replace(at, 2, values[i]);
  return text;
}

const char* const kSwitches[] = {"kat", "ukat", "norm", "objekt"};

}  // namespace

// --- the controls ---

QWidget* CTavoEditDlg::CreateFindField()
{
  CFindField::Owner owner;
  owner.index = [this]() -> const CFindIndex& { return FindIndex(); };
  owner.blocked = [this](const CMaterialPath& path) { return BlockedReason(path); };
  owner.recent = [] { return ReadRecentObjects(); };
  m_find = new CFindField(std::move(owner), this);
  connect(m_find, &CFindField::picked, this, [this](const CMaterialPath& path) { SelectPath(path); });
  connect(m_find, &CFindField::compareRequested, this, [this](const CMaterialPath& path) {
    std::vector<CMaterialPath> objects;
    if (ListsHaveLines(kLevelCount)) {
      const ObjectPath shown = CurrentPath();
      objects.push_back(CMaterialPath({shown.kat, shown.ukat, shown.norm, shown.objekt}));
    }
    objects.push_back(path);
    OpenCompare(objects, true);
  });
  auto* find = new QShortcut(QKeySequence::Find, this);
  find->setContext(Qt::WindowShortcut);
  connect(find, &QShortcut::activated, m_find, &CFindField::Activate);

  // The object list's own menu leads to the same views as the hits do.
  m_lists[kObjekt]->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_lists[kObjekt], &QWidget::customContextMenuRequested, this, &CTavoEditDlg::ShowObjectListMenu);
  return m_find;
}

QWidget* CTavoEditDlg::CreateGridPanels()
{
  auto* panels = new QWidget(this);
  m_gridHint = new QLabel(panels);
  m_gridHint->setObjectName("lblGridHint");
  m_gridHint->setWordWrap(true);
  m_gridHint->setStyleSheet("color: #404040; padding: 2px");
  m_gridHint->hide();
  m_inspector = new CFormulaInspector(panels);
  auto* layout = new QVBoxLayout(panels);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_gridHint);
  layout->addWidget(m_grid, 1);
  layout->addWidget(m_inspector);
  connect(m_grid, &CTavoGrid::focusRowChanged, this, [this](int row) {
    UpdateGridHint(row);
    InspectFocusRow();
  });
  connect(m_grid, &CTavoGrid::rowEditStarted, this, &CTavoEditDlg::UpdateGridHint);
  connect(m_grid, &CTavoGrid::valuesShown, this, &CTavoEditDlg::InspectFocusRow);
  return panels;
}

QPushButton* CTavoEditDlg::CreateExportButton()
{
  auto* button = new QPushButton(QString::fromUtf8("Exportieren"), this);
  button->setObjectName("btnExport");
  button->setAutoDefault(false);
  auto* menu = new QMenu(button);
  menu->setObjectName("menuExport");
  const struct {
    const char* text;
    const char* name;
    int depth;
  } entries[] = {
      {"Gewähltes Objekt...", "actExportObject", 4},
      {"Alle Objekte der Norm...", "actExportNorm", 3},
      {"Alle Objekte der Unterkategorie...", "actExportUnterkategorie", 2},
      {"Alle Objekte der Kategorie...", "actExportKategorie", 1},
  };
  for (const auto& entry : entries) {
    QAction* action = menu->addAction(QString::fromStdString(Translate(entry.text)));
    action->setObjectName(entry.name);
    connect(action, &QAction::triggered, this, [this, depth = entry.depth] { OnExport(depth); });
  }
  button->setMenu(menu);
  return button;
}

void CTavoEditDlg::ShowObjectListMenu(const QPoint& at)
{
  if (!ListsHaveLines(kLevelCount))
    return;
  QMenu menu(this);
  menu.setObjectName("menuObjectList");
  QAction* compare = menu.addAction(QString::fromStdString(Translate("Objekte der Norm vergleichen...")));
  compare->setObjectName("actCompareNorm");
  QAction* exportObject = menu.addAction(QString::fromStdString(Translate("Gewähltes Objekt...")));
  exportObject->setObjectName("actExportObjectFromList");
  QAction* chosen = menu.exec(m_lists[kObjekt]->mapToGlobal(at));
  if (chosen == compare) {
    const std::vector<std::string> names = CurrentNames(kObjekt);
    OpenCompare(ObjectsAtPath(m_handler, CMaterialPath(names)).objects);
  } else if (chosen == exportObject) {
    OnExport(4);
  }
}

// --- the quick find ---

const CFindIndex& CTavoEditDlg::FindIndex()
{
  if (m_findStale) {
    m_findIndex.Build(m_handler, [this](const std::string& text) { return Translate(text); });
    m_findStale = false;
  }
  return m_findIndex;
}

std::string CTavoEditDlg::BlockedReason(const CMaterialPath& path) const
{
  for (int level = 0; level < path.Depth() && level < kObjekt; ++level) {
    const int line = m_lists[level]->currentIndex();
    if (m_lists[level]->isEnabled() || line < 0 || m_names[level][std::size_t(line)] == path.Names()[level])
      continue;
    return Fill(Translate("gesperrt durch den Startschalter %1=%2"), kSwitches[level],
                m_names[level][std::size_t(line)]);
  }
  return "";
}

bool CTavoEditDlg::SelectPath(const CMaterialPath& path)
{
  if (!BlockedReason(path).empty())
    return false;
  // Only the object finally shown counts as opened, not those the cascade passes on its way.
  const bool remembering = m_remembering;
  m_remembering = false;
  bool selected = true;
  for (int level = 0; level < path.Depth() && selected; ++level) {
    QComboBox* list = m_lists[level];
    int line = -1;
    for (int i = 0; i < list->count() && line < 0; ++i) {
      const std::string name = level == kObjekt ? list->itemText(i).toStdString() : m_names[level][std::size_t(i)];
      if (name == path.Names()[level])
        line = i;
    }
    selected = line >= 0;
    if (!selected || (list->currentIndex() == line && m_selection[level] == line))
      continue;
    list->setCurrentIndex(line);
    OnSelChange(static_cast<Level>(level));
  }
  m_remembering = remembering;
  if (selected && remembering && ListsHaveLines(kLevelCount)) {
    const ObjectPath shown = CurrentPath();
    RememberRecentObject(CMaterialPath({shown.kat, shown.ukat, shown.norm, shown.objekt}).Text());
  }
  return selected;
}

// --- provenance and hints ---

void CTavoEditDlg::ShowProvenance(const CTavoObj& object)
{
  ObjectView view = ViewObjectElement(object.objectElement, object.inUserFile, m_handler.UserFile());
  m_grid->SetProvenance(std::move(view.rows));
  UpdateGridHint(m_grid->FocusRow());
  InspectFocusRow();
  if (m_remembering && object.objectElement && ListsHaveLines(kLevelCount)) {
    const ObjectPath shown = CurrentPath();
    RememberRecentObject(CMaterialPath({shown.kat, shown.ukat, shown.norm, shown.objekt}).Text());
  }
}

void CTavoEditDlg::UpdateGridHint(int row)
{
  std::string hint;
  const auto& provenance = m_grid->Provenance();
  if (!m_start.qorMode && !provenance.empty() && !m_grid->inUserFile) {
    hint = Translate(
        "Objekte der Standarddatei sind schreibgeschützt. Mit „Kopie erstellen“ legen Sie eine "
        "änderbare Kopie in Ihrer Benutzerdatei an.");
  } else if (m_start.qorMode && row >= 1 && row - 1 < static_cast<int>(provenance.size())) {
    const ViewedRow& shown = provenance[std::size_t(row - 1)];
    if (shown.origin.level < kLevelCount) {
      const int objects = ObjectsBelow(QODOM_GetParentElement(shown.element));
      hint = Fill(Translate(objects == 1 ? "Zeile „%1“ der Ebene %2 „%3“: eine Änderung gilt für %4 Objekt."
                                         : "Zeile „%1“ der Ebene %2 „%3“: eine Änderung gilt für %4 Objekte."),
                  shown.kurzname, LevelText(shown.origin.level), shown.origin.holder, std::to_string(objects));
    }
  }
  m_gridHint->setText(QString::fromStdString(hint));
  m_gridHint->setVisible(!hint.empty());
}

void CTavoEditDlg::InspectFocusRow()
{
  const int focus = m_grid->FocusRow();
  std::vector<InspectedRow> rows;
  const auto& provenance = m_grid->Provenance();
  for (int r = 1; r < m_grid->GetRowCount(); ++r) {
    InspectedRow row;
    row.shortName = m_grid->GetCellText(r, CTavoGrid::kColKurzname);
    row.value = m_grid->GetCellText(r, CTavoGrid::kColWert);
    row.formula = m_grid->GetCheck(r, CTavoGrid::kColTyp) ? m_grid->GetCellText(r, CTavoGrid::kColFormel) : "";
    if (r - 1 < static_cast<int>(provenance.size())) {
      row.level = provenance[std::size_t(r - 1)].origin.level;
      row.holder = provenance[std::size_t(r - 1)].origin.holder;
    }
    rows.push_back(std::move(row));
  }
  m_inspector->Show(focus >= 1 ? InspectFormula(rows, std::size_t(focus - 1)) : FormulaInspection{});
}

// --- compare and export ---

void CTavoEditDlg::OpenCompare(const std::vector<CMaterialPath>& objects, bool add)
{
  UpdateObjectData(true);  // the documents hold what the grid shows, as on a list change
  if (!m_compare) {
    m_compare = new CCompareDlg(m_handler, this);
    m_compare->setAttribute(Qt::WA_DeleteOnClose);
    add = false;
  }
  if (add) {
    for (const CMaterialPath& object : objects)
      m_compare->AddObject(object);
    m_compare->Refresh();
  } else {
    m_compare->SetObjects(objects);
  }
  m_compare->show();
  m_compare->raise();
}

void CTavoEditDlg::OnExport(int depth)
{
  if (!ListsHaveLines(depth))
    return;
  UpdateObjectData(true);
  std::vector<std::string> names = CurrentNames(std::min(depth, int(kObjekt)));
  if (depth == kLevelCount)
    names.push_back(m_lists[kObjekt]->currentText().toStdString());
  const CMaterialPath path(names);
  std::string proposed = names.back() + ".csv";
  for (char& c : proposed)
    if (c == '/' || c == '\\')
      c = '-';
  const auto file = m_prompts.AskSaveFile(this, Translate("Exportieren"), proposed,
                                          Translate("CSV-Dateien (*.csv);;JSON-Dateien (*.json)"));
  if (!file)
    return;
  std::vector<ObjectView> views;
  for (const CMaterialPath& object : ObjectsAtPath(m_handler, path).objects)
    views.push_back(ViewObject(m_handler, object));
  const bool json = file->size() >= 5 && file->compare(file->size() - 5, 5, ".json") == 0;
  std::string error;
  if (!WriteFileAtomically(*file, ExportText(views, json ? ExportFormat::kJson : ExportFormat::kCsv), error))
    m_prompts.Ask(this, Translate("Der Export wurde nicht geschrieben:\n") + VBT_TranslateReasons(error),
                  CEditorPrompts::Buttons::Ok, false);
}

CCompareDlg* CTavoEditDlg::CompareView() const
{
  return m_compare;
}
