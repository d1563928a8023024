// The buttons that change the database itself: copy, delete and the priority field.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/ChangeScope.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/tavoEdit/ChangeTexts.h"
#include "tavo/tavoEdit/CopyDlg.h"
#include "tavo/tavoEdit/EditorPrompts.h"

#include <QComboBox>

#include <algorithm>
#include <set>

void CTavoEditDlg::OnPriorityChanged()
{
  UpdateObjectData(true);
  const std::optional<int> priority = ReadPriorityText(m_priorityText);
  if (!priority || !ListsHaveLines(kLevelCount))
    return;
  const ObjectPath path = CurrentPath();
  RunStep(ChangeCauseText(ChangeKind::kPriority, PathText(path)),
          [&] { SetObjectPriority(m_handler, path, *priority); });
}

void CTavoEditDlg::OnCopyObject()
{
  const std::optional<ObjectPath> selected = CommitSelectedObject();
  if (!selected)
    return;
  const ObjectPath& source = *selected;

  std::vector<std::string> lines;
  for (int i = 0; i < m_lists[kObjekt]->count(); ++i)
    lines.push_back(m_lists[kObjekt]->itemText(i).toStdString());
  const std::set<std::string> taken(lines.begin(), lines.end());

  CCopyDlg dialog(this);
  dialog.kategorieName = source.kat;
  dialog.unterkategorieName = source.ukat;
  dialog.normName = source.norm;
  dialog.objektName = source.objekt;
  dialog.priorityText = std::to_string(ProposedCopyPriority(m_handler, source, lines));
  dialog.qorMode = m_start.qorMode;
  dialog.intoUserFile = m_start.qorMode ? 0 : 1;
  dialog.OnInitDialog();
  while (true) {
    if (!m_prompts.RunCopyDialog(dialog))
      return;
    if (!taken.count(dialog.newName))
      break;
    m_prompts.Ask(this, Translate("Der angegebene Name existiert schon!"), CEditorPrompts::Buttons::Ok, false);
  }

  const CopyTarget target{dialog.newName, dialog.priorityText, dialog.intoUserFile != 0};
  bool copied = false;
  RunStep(ChangeCauseText(ChangeKind::kCopy, PathText(source)),
          [&] { copied = CopyObject(m_handler, source, target); });
  if (!copied) {
    m_prompts.Ask(this, "Fehler beim Öffnen der Benutzer-Materialdatei!", CEditorPrompts::Buttons::Ok, false);
    return;
  }
  m_findStale = true;
  OnSelChange(kNorm);
  int line = -1;
  for (int i = 0; i < m_lists[kObjekt]->count(); ++i)
    if (m_lists[kObjekt]->itemText(i).toStdString() == dialog.newName)
      line = i;
  m_lists[kObjekt]->setCurrentIndex(line);
  OnSelChange(kObjekt);
}

void CTavoEditDlg::OnDeleteObject()
{
  std::optional<ObjectPath> selected = CommitSelectedObject();
  if (!selected)
    return;
  ObjectPath& path = *selected;
  if (!MayDelete(m_handler, path, m_start.qorMode))
    return;

  std::string question = Translate("Sind Sie sicher, dass sie das Objekt '%s' löschen wollen?");
  const auto slot = question.find("%s");
  if (slot != std::string::npos)
    question.replace(slot, 2, path.objekt);
  if (m_prompts.Ask(this, question, CEditorPrompts::Buttons::YesNo, true) != CEditorPrompts::Answer::Yes)
    return;
  RunStep(ChangeCauseText(ChangeKind::kDelete, PathText(path)), [&] { DeleteObject(m_handler, path); });
  m_findStale = true;
  m_selection[kObjekt] = -1;
  OnSelChange(kNorm);
}
