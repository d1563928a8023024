// The selection cascade of the editor: every change commits the grid into the object shown so
// far, then rebuilds the lower lists from the documents.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/TavoHandler.h"
#include "tavo/material/TavoObj.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QComboBox>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

// --- the four lists ---

void CTavoEditDlg::OnSelChangeKategorie()
{
  UpdateObjectData(true);
  m_selection = {m_lists[kKategorie]->currentIndex(), -1, -1, -1};
  m_lists[kUnterkategorie]->clear();
  m_names[kUnterkategorie].clear();
  if (m_lists[kKategorie]->currentIndex() >= 0) {
    std::vector<std::string> names;
    m_handler.ListUnterkategorien(m_names[kKategorie][m_selection[kKategorie]], names);
    FillList(kUnterkategorie, names, true);
    m_lists[kUnterkategorie]->setCurrentIndex(0);
  }
  OnSelChangeUnterkategorie();
}

void CTavoEditDlg::OnSelChangeUnterkategorie()
{
  UpdateObjectData(true);
  m_selection[kUnterkategorie] = m_lists[kUnterkategorie]->currentIndex();
  m_selection[kNorm] = m_selection[kObjekt] = -1;
  m_lists[kNorm]->clear();
  m_names[kNorm].clear();
  if (m_lists[kKategorie]->currentIndex() >= 0 && m_lists[kUnterkategorie]->currentIndex() >= 0) {
    std::vector<std::string> names;
    m_handler.ListNormen(m_names[kKategorie][m_lists[kKategorie]->currentIndex()],
                         m_names[kUnterkategorie][m_lists[kUnterkategorie]->currentIndex()], names);
    FillList(kNorm, names, true);
    m_lists[kNorm]->setCurrentIndex(0);
  }
  OnSelChangeNorm();
}

void CTavoEditDlg::OnSelChangeNorm()
{
  UpdateObjectData(true);
  m_selection[kNorm] = m_lists[kNorm]->currentIndex();
  m_selection[kObjekt] = -1;
  m_lists[kObjekt]->clear();
  m_names[kObjekt].clear();
  if (m_lists[kKategorie]->currentIndex() >= 0 && m_lists[kUnterkategorie]->currentIndex() >= 0 &&
      m_lists[kNorm]->currentIndex() >= 0) {
    const ObjectPath path = CurrentPath();
    std::vector<std::string> names;
    m_handler.ListObjekte(path.kat, path.ukat, path.norm, names);
    FillList(kObjekt, names, false);
    m_lists[kObjekt]->setCurrentIndex(0);
  }
  OnSelChangeObjekt();
}

void CTavoEditDlg::OnSelChangeObjekt()
{
  UpdateObjectData(true);
  m_selection[kObjekt] = m_lists[kObjekt]->currentIndex();
  m_grid->rows.Clear();
  m_rowElements.clear();

  CTavoObj object;
  m_priorityText.clear();
  const bool looked = AllListsHaveLines();
  if (looked) {
    ObjectPath path = CurrentPath();
    m_handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
    m_rowElements = LoadPropertyRows(object, m_grid->rows);
    m_grid->inUserFile = object.inUserFile;
    m_priorityText = object.priority == -1 ? std::string() : std::to_string(object.priority);
    UpdateObjectData(false);
  }

  m_save->setEnabled(true);
  m_copy->setEnabled(looked && !object.propertyElements.empty());
  m_delete->setEnabled(CanEdit(m_start.qorMode, m_copy->isEnabled() && object.inUserFile));
  m_priority->setEnabled(m_start.qorMode);
  UpdateObjectData(false);
}

// --- storing the shown object ---

void CTavoEditDlg::StoreObject()
{
  if (!SelectionComplete())
    return;
  ObjectPath path = SelectedPath();
  CTavoObj object;
  m_handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
  StorePropertyRows(m_grid->rows, m_rowElements);
}

// --- private helpers ---

void CTavoEditDlg::FillList(Level level, const std::vector<std::string>& names, bool translated)
{
  m_names[level] = names;
  QComboBox* list = m_lists[level];
  list->clear();
  for (const std::string& name : names)
    list->addItem(QString::fromStdString(translated ? Translate(name) : name));
}

void CTavoEditDlg::SelectStart(Level level, const std::string& wanted)
{
  QComboBox* list = m_lists[level];
  int line = -1;
  for (int i = 0; i < list->count(); ++i) {
    const bool match = level == kObjekt ? list->itemText(i).toStdString() == wanted : m_names[level][i] == wanted;
    if (match)
      line = i;
  }
  if (line < 0)
    line = list->count() > 0 ? 0 : -1;
  list->setCurrentIndex(line);
  switch (level) {
    case kKategorie: OnSelChangeKategorie(); break;
    case kUnterkategorie: OnSelChangeUnterkategorie(); break;
    case kNorm: OnSelChangeNorm(); break;
    case kObjekt: OnSelChangeObjekt(); break;
  }
  if (level != kObjekt && !wanted.empty())
    list->setEnabled(false);
}

bool CTavoEditDlg::AllListsHaveLines() const
{
  return std::all_of(m_lists.begin(), m_lists.end(), [](const QComboBox* list) { return list->currentIndex() >= 0; });
}

bool CTavoEditDlg::SelectionComplete() const
{
  return std::find(m_selection.begin(), m_selection.end(), -1) == m_selection.end();
}

ObjectPath CTavoEditDlg::SelectedPath() const
{
  return {m_names[kKategorie][m_selection[kKategorie]], m_names[kUnterkategorie][m_selection[kUnterkategorie]],
          m_names[kNorm][m_selection[kNorm]], m_lists[kObjekt]->itemText(m_selection[kObjekt]).toStdString()};
}

ObjectPath CTavoEditDlg::CurrentPath() const
{
  return {m_names[kKategorie][m_lists[kKategorie]->currentIndex()],
          m_names[kUnterkategorie][m_lists[kUnterkategorie]->currentIndex()],
          m_names[kNorm][m_lists[kNorm]->currentIndex()], m_lists[kObjekt]->currentText().toStdString()};
}
