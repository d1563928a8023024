#pragma once
// The real editor dialog on temporary material files, with every modal question answered by
// script.

#include "tavo/material/TavoHandler.h"
#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/CopyDlg.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoEditDlg.h"
#include "tavo/tavoEdit/TavoGrid.h"
#include "tests/support/TestDatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

// Answers the editor's questions from a queue and records what was asked.
class ScriptedPrompts : public CEditorPrompts {
 public:
  std::deque<Answer> answers;  // taken in order; an empty queue answers Ok/No
  std::vector<std::string> asked;
  std::optional<std::string> saveFile;
  // Per closing question: the lines its "Details…" unfolds, indented by depth, columns apart by tabs.
  std::vector<std::vector<std::string>> details;
  // The copy dialog's runs: each records what the dialog offered ("priority text|into user file")
  // and takes the next name; with no name left, it is cancelled.
  std::deque<std::string> copyNames;
  std::vector<std::string> copyOffers;

  Answer Ask(QWidget*, const std::string& text, Buttons buttons, bool) override;
  // The real question dialog, its details opened and read, answered from the queue.
  Answer AskWithChanges(QWidget* parent, const std::string& text, const std::vector<ChangeGroup>& changes) override;
  std::optional<std::string> AskSaveFile(QWidget*, const std::string&, const std::string&, const std::string&) override
  {
    return saveFile;
  }
  bool RunCopyDialog(CCopyDlg& dialog) override;
  // The real conflict dialog, its rows read into `conflictRows` (cells apart by tabs), each row's
  // choice box set from `mergeSides` (ours 1, the file's 2), then OK; without a script, Cancel.
  std::deque<std::vector<int>> mergeSides;
  std::vector<std::string> conflictRows;
  std::optional<std::vector<bool>> ChooseMergeSides(QWidget* parent, const std::string& path,
                                                    const std::vector<MergeConflict>& conflicts) override;
};

// A standard file with code-level formulas (Beton/Normalbeton/EC2 with C20/25 and C30/37) and
// one object of the user file (Beton/Normalbeton/EC2/Eigen).
std::string StandardFixture();
std::string UserFixture();

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override { VBT_SetLanguage("de"); }  // every editor test starts in German
  // Builds the database and the dialog and runs its initialisation.
  void Open(const StartValues& start = {}, const std::string& standard = StandardFixture(),
            const std::string& user = UserFixture());

  QComboBox* List(int level) const;
  // The control of that name; a miss fails the test and prints the dialog's tree of names.
  template <typename T>
  T* Control(const char* name) const
  {
    T* control = m_dialog->findChild<T*>(name);
    if (!control) {
      ADD_FAILURE() << "no control " << name << "; the dialog's objects follow";
      m_dialog->dumpObjectTree();
    }
    return control;
  }
  // Makes the line with that text current, as the user's choice does.
  void Choose(int level, const std::string& text);
  // Row (1-based) of the grid whose Kurzname is `name`; 0 when none.
  int Row(const std::string& kurzname) const;
  std::string Cell(const std::string& kurzname, int column) const;
  // Types a value into a cell of the grid and commits it, as the in-place editor does.
  void Edit(const std::string& kurzname, int column, const std::string& text);
  // The attribute of the property element of that short name under the object, in the document;
  // of the object's own element when the short name is empty.
  static std::string DocumentValue(QODOM_ELEMENT file, const std::string& path, const std::string& kurzname,
                                   const char* attribute = "Wert01");
  static std::string DocumentPriority(QODOM_ELEMENT file, const std::string& path)
  {
    return DocumentValue(file, path, "", "Prioritaet");
  }

  std::unique_ptr<TestDatabase> m_db;
  std::unique_ptr<CTavoHandler> m_handler;
  ScriptedPrompts m_prompts;
  std::unique_ptr<CTavoEditDlg> m_dialog;
};
