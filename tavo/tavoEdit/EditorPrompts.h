#pragma once
// The one seam through which the editor asks the user anything modal: message boxes, the
// save-file dialog and the copy dialog. The application answers with real dialogs; tests script
// the answers, so nothing ever blocks.

#include "tavo/material/ChangeReport.h"
#include "tavo/material/DocumentMerge.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;
class CCopyDlg;

class CEditorPrompts {
 public:
  // YesNoDefaultNo: Yes and No with No as the default, for questions whose Yes loses something;
  // YesNoMerge adds "Zusammenführen" (Merge) to them.
  enum class Buttons { Ok, YesNo, YesNoDefaultNo, YesNoCancel, YesNoMerge };
  enum class Answer { Ok, Yes, No, Cancel, Merge };

  virtual ~CEditorPrompts() = default;

  // A message box with the program's name as caption; `question` adds the question icon.
  virtual Answer Ask(QWidget* parent, const std::string& text, Buttons buttons, bool question) = 0;
  // The question whether to save a changed file, with Yes, No and Cancel, and "Details…" that lists
  // the file's `changes`. Without its own dialog it is asked as Ask asks it.
  virtual Answer AskWithChanges(QWidget* parent, const std::string& text, const std::vector<ChangeGroup>&)
  {
    return Ask(parent, text, Buttons::YesNoCancel, true);
  }
  // A save-file dialog; the chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> AskSaveFile(QWidget* parent, const std::string& title,
                                                 const std::string& proposedName, const std::string& filter) = 0;
  // Runs the copy dialog modally; true when it ended with OK.
  virtual bool RunCopyDialog(CCopyDlg& dialog) = 0;
  // Lets the user choose a side for every conflict of a merge with the file `path` on disk
  // (true: the file's side); nothing when cancelled.
  virtual std::optional<std::vector<bool>> ChooseMergeSides(QWidget* parent, const std::string& path,
                                                            const std::vector<MergeConflict>& conflicts) = 0;
};

// The real dialogs.
class CDialogPrompts : public CEditorPrompts {
 public:
  Answer Ask(QWidget* parent, const std::string& text, Buttons buttons, bool question) override;
  Answer AskWithChanges(QWidget* parent, const std::string& text, const std::vector<ChangeGroup>& changes) override;
  std::optional<std::string> AskSaveFile(QWidget* parent, const std::string& title, const std::string& proposedName,
                                         const std::string& filter) override;
  bool RunCopyDialog(CCopyDlg& dialog) override;
  std::optional<std::vector<bool>> ChooseMergeSides(QWidget* parent, const std::string& path,
                                                    const std::vector<MergeConflict>& conflicts) override;
};

// The caption of every message box.
inline constexpr const char* kProgramName = "tavoEdit";
