#pragma once
// The question whether to save a changed material file: the question's text with Yes, No and
// Cancel, and "Details…", which unfolds the file's changes since it was last saved, grouped by
// object, the values recalculated when objects were viewed apart from the user's own edits.

#include "tavo/material/ChangeReport.h"
#include "tavo/tavoEdit/EditorPrompts.h"

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;

class CSaveQuestionDlg : public QDialog {
  Q_OBJECT

 public:
  CSaveQuestionDlg(const std::string& text, const std::vector<ChangeGroup>& changes, QWidget* parent = nullptr);

  // Runs the dialog modally; closing it otherwise than by a button is Cancel.
  CEditorPrompts::Answer Run();

 private:
  void FillChanges(const std::vector<ChangeGroup>& changes);

  QPushButton* m_details = nullptr;
  QTreeWidget* m_changes = nullptr;
  CEditorPrompts::Answer m_answer = CEditorPrompts::Answer::Cancel;
};
