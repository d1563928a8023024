// The selection cascade of the editor: every change commits the grid into the object shown so
// far, then rebuilds the lower lists from the documents.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/ChangeScope.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/material/TavoObj.h"
#include "tavo/tavoEdit/ChangeTexts.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include "tavo/tavoEdit/ObjectListModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace {

// The length of a UTF-8 text as the list counts its characters: in UTF-16 units, so a character
// beyond U+FFFF counts twice.
std::size_t Utf16Length(const std::string& text)
{
  std::size_t length = 0;
  for (const char byte : text) {
    const auto value = static_cast<unsigned char>(byte);
    length += (value & 0xC0) != 0x80;
    length += value >= 0xF0;
  }
  return length;
}

}  // namespace

// --- the four lists ---

void CTavoEditDlg::OnSelChange(Level level)
{
  UpdateObjectData(true);
  m_selection[level] = m_lists[level]->currentIndex();
  std::fill(m_selection.begin() + level + 1, m_selection.end(), -1);
  if (level == kObjekt) {
    ShowSelectedObject();
    return;
  }
  const auto below = static_cast<Level>(level + 1);
  m_lists[below]->clear();
  m_names[below].clear();
  if (ListsHaveLines(below)) {
    FillList(below, m_handler.ListLevel(CurrentNames(below)), below != kObjekt);
    m_lists[below]->setCurrentIndex(0);
  }
  OnSelChange(below);
}

void CTavoEditDlg::ShowSelectedObject()
{
  m_gridEdited = false;
  m_grid->rows.Clear();
  m_rowElements.clear();

  CTavoObj object;
  m_priorityText.clear();
  const bool looked = ListsHaveLines(kLevelCount);
  if (looked) {
    ObjectPath path = CurrentPath();
    m_handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
    m_rowElements = LoadPropertyRows(object, m_grid->rows);
    m_grid->inUserFile = object.inUserFile;
    m_priorityText = object.priority == -1 ? std::string() : std::to_string(object.priority);
  }

  m_save->setEnabled(true);
  m_copy->setEnabled(looked && !object.propertyElements.empty());
  m_delete->setEnabled(CanEdit(m_start.qorMode, m_copy->isEnabled() && object.inUserFile));
  m_priority->setEnabled(m_start.qorMode);
  UpdateObjectData(false);
  UpdateHistoryState();  // viewing may have recalculated and written values back
  ShowProvenance(object);
}

// --- storing the shown object ---

void CTavoEditDlg::StoreObject()
{
  if (!SelectionComplete())
    return;
  // The shown object is looked up once more before its rows are stored. The cache answers at no
  // cost unless other objects were looked up since (the protocol, a copy); then the object is read
  // and recalculated as when it was shown, and the grid's rows are stored over that state.
  ObjectPath path = SelectedPath();
  CTavoObj object;
  m_handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
  m_gridEdited = false;
  RunStep(ChangeCauseText(ChangeKind::kGridEdit, PathText(path)), [&] {
    const CChangeScope scope(ChangeKind::kGridEdit, PathText(path));
    StorePropertyRows(m_grid->rows, m_rowElements);
  });
  m_findStale = m_findStale || m_start.qorMode;  // only there can names be edited
}

// --- private helpers ---

void CTavoEditDlg::FillList(Level level, const std::vector<std::string>& names, bool translated)
{
  m_names[level] = names;
  std::size_t longest = 0;
  if (level == kObjekt) {
    // Thousands of entries: handed to the list's model in one step, converted only when shown.
    std::vector<CTavoHandler::ObjectFile> files;
    if (!names.empty()) {
      const std::vector<std::string> above = CurrentNames(kObjekt);
      files = m_handler.LocateObjects(above[0], above[1], above[2], names);
    }
    for (const std::string& name : names)
      longest = std::max(longest, Utf16Length(name));
    m_objectList->Reset(names, std::move(files));
  } else {
    QComboBox* list = m_lists[level];
    list->clear();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) {
      lines.push_back(QString::fromStdString(translated ? Translate(name) : name));
      longest = std::max(longest, static_cast<std::size_t>(lines.back().size()));
    }
    list->addItems(lines);
  }
  m_lists[level]->setMinimumContentsLength(static_cast<int>(std::max<std::size_t>(longest, kShortestListWidth)));
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
  OnSelChange(level);
  if (level != kObjekt && !wanted.empty())
    list->setEnabled(false);
}

bool CTavoEditDlg::ListsHaveLines(int levels) const
{
  return std::all_of(m_lists.begin(), m_lists.begin() + levels,
                     [](const QComboBox* list) { return list->currentIndex() >= 0; });
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

std::optional<ObjectPath> CTavoEditDlg::CommitSelectedObject()
{
  UpdateObjectData(true);
  if (!ListsHaveLines(kLevelCount) || !SelectionComplete())
    return std::nullopt;
  ObjectPath path = SelectedPath();
  path.objekt = m_lists[kObjekt]->currentText().toStdString();
  return path;
}

std::vector<std::string> CTavoEditDlg::CurrentNames(int levels) const
{
  std::vector<std::string> names;
  for (int level = 0; level < levels; ++level)
    names.push_back(m_names[level][m_lists[level]->currentIndex()]);
  return names;
}

ObjectPath CTavoEditDlg::CurrentPath() const
{
  return {m_names[kKategorie][m_lists[kKategorie]->currentIndex()],
          m_names[kUnterkategorie][m_lists[kUnterkategorie]->currentIndex()],
          m_names[kNorm][m_lists[kNorm]->currentIndex()], m_lists[kObjekt]->currentText().toStdString()};
}
