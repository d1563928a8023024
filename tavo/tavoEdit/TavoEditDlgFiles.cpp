// Saving, closing, the protocol and the help document.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/ChangeReport.h"
#include "tavo/material/DiskMerge.h"
#include "tavo/material/Protocol.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/outside/FailureReasons.h"
#include "tavo/shell/HelpFile.h"
#include "tavo/tavoEdit/EditorPrompts.h"

#include <QLineEdit>
#include <QProgressDialog>
#include <QUndoStack>

namespace {

constexpr const char* kStandardChanged =
    "Die QOR - Materialdatei wurde verändert,\nSollen die Änderungen gespeichert werden?";
constexpr const char* kChangedOnDisk =
    "Die Materialdatei wurde seit dem Öffnen von einem anderen Programm geändert:\n%s\nSoll sie trotzdem überschrieben "
    "werden?";
constexpr const char* kSaveFailed =
    "Die Materialdatei konnte nicht gespeichert werden; sie behält ihren bisherigen Inhalt:\n";
constexpr const char* kMergeFailed = "Die Materialdatei kann nicht zusammengeführt werden:\n";
constexpr const char* kMerged = "Zusammengeführt mit der Datei auf der Festplatte";
constexpr const char* kNoViewer = "Kein Programm konnte das Handbuch öffnen. Sie finden es hier:\n";
constexpr const char* kManualMissing = "Das Handbuch wurde nicht gefunden:\n";
constexpr const char* kUserChanged =
    "Die Benutzer - Materialdatei wurde verändert,\nSollen die Änderungen gespeichert werden?";

}  // namespace

void CTavoEditDlg::OnSaveChanges()
{
  UpdateObjectData(true);
  // A file that failed to save keeps its old mark, so closing still asks for it.
  if (m_start.qorMode && SaveFileReporting(m_handler.StandardFile()))
    m_standardMark = CContentMark(m_handler.StandardFile());
  if (SaveFileReporting(m_handler.UserFile()))
    m_userMark = CContentMark(m_handler.UserFile());
  UpdateHistoryState();
  // The history marks the saved state once no file holds unsaved changes.
  if (!isWindowModified())
    m_undoStack->setClean();
}

void CTavoEditDlg::OnCancel()
{
  // The field stores its priority when it loses the focus; Escape and the window's close button
  // take no focus from it, so a priority typed there is stored before the questions.
  if (m_priority->isModified())
    OnPriorityChanged();
  UpdateObjectData(true);
  if (!AskToSave(m_handler.StandardFile(), m_standardMark, kStandardChanged))
    return;
  if (!AskToSave(m_handler.UserFile(), m_userMark, kUserChanged))
    return;
  m_handler.EnsureStandardOpen(false);
  m_handler.EnsureUserOpen(false);
  m_closed = true;
  done(QDialog::Rejected);
}

void CTavoEditDlg::OnProtocol()
{
  const auto path = m_prompts.AskSaveFile(this, Translate("Speichern als ASCII-Text"), "material.txt",
                                          Translate("Textdateien (*.txt);;Alle Dateien (*)"));
  if (!path)
    return;
  QProgressDialog progress(QString::fromStdString(Translate("Protokoll der Materialdatei")), QString(), 0, 100, this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  std::string error;
  const bool written = ExportProtocol(m_handler, *path, error, [&](int done, int total) {
    progress.setMaximum(total);
    progress.setValue(done);
  });
  progress.reset();
  if (!written)
    m_prompts.Ask(this, Translate("Das Protokoll konnte nicht geschrieben werden:\n") + VBT_TranslateReasons(error),
                  CEditorPrompts::Buttons::Ok, false);
}

void CTavoEditDlg::OnHelp()
{
  // Where no launcher takes the manual, the user learns where it lies and can open it himself.
  const HelpOpening help = OpenHelpFile(Translate("help\\Materialeditor.pdf"));
  if (help.opened)
    return;
  const char* text = help.exists ? kNoViewer : kManualMissing;
  m_prompts.Ask(this, Translate(text) + help.path, CEditorPrompts::Buttons::Ok, false);
}

// --- private helpers ---

bool CTavoEditDlg::SaveFileReporting(QODOM_ELEMENT file)
{
  // A file that did not open was reported at the start and is never written.
  if (!file)
    return false;
  bool merge = false;
  const auto overwrite = [this, &merge](const std::string& path) {
    std::string question = Translate(kChangedOnDisk);
    const auto slot = question.find("%s");
    if (slot != std::string::npos)
      question.replace(slot, 2, path);
    // Yes loses the other writer's change: No is the default.
    const auto answer = m_prompts.Ask(this, question, CEditorPrompts::Buttons::YesNoMerge, true);
    merge = answer == CEditorPrompts::Answer::Merge;
    return answer == CEditorPrompts::Answer::Yes;
  };
  std::string error;
  switch (m_handler.SaveUnlessChangedOnDisk(file, overwrite, error)) {
    case CTavoHandler::SaveOutcome::kSaved: return true;
    case CTavoHandler::SaveOutcome::kChangedOnDisk: return merge && MergeWithDisk(file) && SaveFileReporting(file);
    case CTavoHandler::SaveOutcome::kFailed: break;
  }
  m_prompts.Ask(this, Translate(kSaveFailed) + VBT_TranslateReasons(error), CEditorPrompts::Buttons::Ok, false);
  return false;
}

bool CTavoEditDlg::MergeWithDisk(QODOM_ELEMENT file)
{
  CDiskMerge merge(file);
  if (!merge.Error().empty()) {
    m_prompts.Ask(this, Translate(kMergeFailed) + VBT_TranslateReasons(merge.Error()), CEditorPrompts::Buttons::Ok,
                  false);
    return false;
  }
  std::vector<bool> sides;
  if (!merge.Conflicts().empty()) {
    const auto chosen = m_prompts.ChooseMergeSides(this, QODOM_GetPath(QODOM_GetDocument(file)), merge.Conflicts());
    if (!chosen)
      return false;  // memory stays as it was, nothing is saved
    sides = *chosen;
  }
  RunStep(Translate(kMerged), [&] { merge.Apply(sides); });
  ShowDocumentsAgain();  // the merge changed objects behind the grid
  return true;
}

// Asks whether a changed file is to be saved; false when closing must stop (Cancel, or the
// save failed and the edits would be lost).
bool CTavoEditDlg::AskToSave(QODOM_ELEMENT file, const CContentMark& stored, const char* question)
{
  if (!stored.Differs(file))
    return true;
  switch (m_prompts.AskWithChanges(this, Translate(question), ChangesSinceSave(QODOM_GetDocument(file)))) {
    case CEditorPrompts::Answer::Cancel: return false;
    case CEditorPrompts::Answer::Yes: return SaveFileReporting(file);
    default: return true;
  }
}
