#pragma once
// The editor's one window: four selection lists, the property grid of the selected object, and
// the buttons that save, copy, delete, set the priority, write the protocol and open the help.
//
// Implementation split: TavoEditDlg.cpp (controls, initialisation, events),
// TavoEditDlgSelection.cpp (the selection cascade, loading and storing the object),
// TavoEditDlgFiles.cpp (saving, closing, protocol, help), TavoEditDlgObjects.cpp (copy, delete,
// priority), TavoEditDlgHistory.cpp (undo, redo and the history of steps), TavoEditDlgFind.cpp
// (quick find, provenance and hints, formula inspector, compare, export).

#include "tavo/material/FindIndex.h"
#include "tavo/material/ObjectActions.h"
#include "tavo/outside/ContentMark.h"
#include "tavo/outside/QODOM.h"
#include "tavo/tavoEdit/TavoCmdLineInfo.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CCompareDlg;
class CEditorPrompts;
class CFindField;
class CFormulaInspector;
class CTavoGrid;
class CObjectListModel;
class CTavoObj;
class QLabel;
class CTavoHandler;
class QAction;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QUndoStack;
class QUndoView;

class CTavoEditDlg : public QDialog {
  Q_OBJECT

 public:
  enum Level { kKategorie = 0, kUnterkategorie = 1, kNorm = 2, kObjekt = 3, kLevelCount = 4 };

  CTavoEditDlg(CTavoHandler& handler, CEditorPrompts& prompts, const StartValues& start, QWidget* parent = nullptr);
  ~CTavoEditDlg() override;

  // Translation, the grid, both files opened and their contents marked, and the start selection.
  void OnInitDialog();
  // true: grid into the row arrays, the rows into the document, the priority field into its
  // text; false: the other way round.
  virtual void UpdateObjectData(bool saveAndValidate);

  // A new line in the list of the level: commits the grid into the object shown so far, then
  // rebuilds the lists below from the documents (first line current) down to the object.
  void OnSelChange(Level level);
  void OnSaveChanges();
  void OnCopyObject();
  void OnDeleteObject();
  void OnPriorityChanged();
  void OnProtocol();
  void OnHelp();
  // Commits, asks for each changed file, closes both files and ends the dialog; stays open when
  // the user cancels or a save fails.
  void OnCancel();
  void OnAbout();
  // Commits the grid, then undoes or redoes the last step; the grid shows the documents anew.
  void OnUndo();
  void OnRedo();
  // Opens the history of steps (the undo view); a click on a step goes back or forth to it.
  void OnHistory();

  // The reasons why material files did not open, shown once the window is up.
  void ReportOpenErrors();

  // Selects the object (or the level, and the first object below it) through the lists, as the
  // user's choices do; false when a list locked by a start switch holds another name.
  bool SelectPath(const CMaterialPath& path);
  // Opens (or brings up) the compare view with these objects; the grid is committed first.
  void OpenCompare(const std::vector<CMaterialPath>& objects, bool add = false);
  // Writes the selected object (depth 4) or every object below the selected level of that depth
  // to a file chosen through the prompts, as CSV or, for a name ending in .json, as JSON.
  void OnExport(int depth);
  CCompareDlg* CompareView() const;

  CTavoGrid* Grid() const { return m_grid; }
  QUndoStack* UndoStack() const { return m_undoStack; }
  int Selection(Level level) const { return m_selection[level]; }

 protected:
  void accept() override;  // Enter does nothing
  void reject() override;  // Escape closes as "Schließen" does
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The width of a list in characters when its entries are shorter.
  static constexpr int kShortestListWidth = 12;

  void CreateControls();
  // The object of the lists' current lines into the grid, and the buttons it allows.
  void ShowSelectedObject();
  void StoreObject();
  void FillList(Level level, const std::vector<std::string>& names, bool translated);
  void SelectStart(Level level, const std::string& wanted);
  // The lists of the first `levels` levels have a current line.
  bool ListsHaveLines(int levels) const;
  // The selection indexes name an object (none is -1).
  bool SelectionComplete() const;
  ObjectPath SelectedPath() const;  // by the selection indexes
  ObjectPath CurrentPath() const;   // by the lists' current lines
  // The names of the first `levels` levels by the lists' current lines.
  std::vector<std::string> CurrentNames(int levels) const;
  // Commits the grid; then the selected object (the Objekt list's current line), or nothing
  // while a list has no line or the selection names no object.
  std::optional<ObjectPath> CommitSelectedObject();
  void MarkContents();
  // TavoEditDlgFind.cpp
  QWidget* CreateFindField();
  QWidget* CreateGridPanels();
  QPushButton* CreateExportButton();
  void ShowObjectListMenu(const QPoint& at);
  const CFindIndex& FindIndex();
  std::string BlockedReason(const CMaterialPath& path) const;
  void ShowProvenance(const CTavoObj& object);
  void UpdateGridHint(int row);
  void InspectFocusRow();
  // Saves one file; a failure is shown with the path and the reason.
  bool SaveFileReporting(QODOM_ELEMENT file);
  // Merges what someone else saved to the file into memory, as one step of the history, the
  // conflicts chosen by the user; false (nothing changed) when it cannot or the user cancels.
  bool MergeWithDisk(QODOM_ELEMENT file);
  bool AskToSave(QODOM_ELEMENT file, const CContentMark& stored, const char* question);
  std::string Translate(const std::string& text) const;

  // Runs the action as one step of the undo history, named `text`, when it changes a document.
  void RunStep(const std::string& text, const std::function<void()>& action);
  // After an undo or redo: the lists and the grid anew from the documents, the object that was
  // shown selected again, or the nearest one where it no longer exists. Nothing is committed.
  void ShowDocumentsAgain();
  // Undo and redo texts, their enabled state and the window's modified marker as the history and
  // the journals stand; a redo that a later change made impossible is dropped.
  void UpdateHistoryState();
  void CreateHistoryControls(QHBoxLayout* row);
  CTavoHandler& m_handler;
  CEditorPrompts& m_prompts;
  const StartValues m_start;

  std::array<QComboBox*, 4> m_lists{};
  CObjectListModel* m_objectList = nullptr;  // the model of the Objekt list
  std::array<std::vector<std::string>, 4> m_names;
  std::array<int, 4> m_selection{-1, -1, -1, -1};
  std::string m_priorityText;
  std::vector<QODOM_ELEMENT> m_rowElements;
  // The files as last opened or saved, for the closing questions.
  CContentMark m_standardMark, m_userMark;

  QLineEdit* m_priority = nullptr;
  CTavoGrid* m_grid = nullptr;
  QPushButton* m_save = nullptr;
  QPushButton* m_copy = nullptr;
  QPushButton* m_delete = nullptr;
  QPushButton* m_protocol = nullptr;
  QPushButton* m_help = nullptr;
  QPushButton* m_close = nullptr;
  bool m_closed = false;

  QUndoStack* m_undoStack = nullptr;
  QAction* m_undo = nullptr;
  QAction* m_redo = nullptr;
  QToolButton* m_undoButton = nullptr;
  QToolButton* m_redoButton = nullptr;
  QPushButton* m_historyButton = nullptr;
  QDialog* m_history = nullptr;
  bool m_replaying = false;   // ShowDocumentsAgain runs
  bool m_gridEdited = false;  // the grid holds edits that the next commit writes
  CFindField* m_find = nullptr;
  CFindIndex m_findIndex;
  bool m_findStale = true;     // the names may have changed since the index was built
  bool m_remembering = false;  // objects shown from now on count as opened by the user
  QLabel* m_gridHint = nullptr;
  CFormulaInspector* m_inspector = nullptr;
  QPointer<CCompareDlg> m_compare;
};
