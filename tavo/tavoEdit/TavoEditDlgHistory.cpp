// Undo and redo: every user action that changes a document is one step of the history; undoing
// and redoing replay the documents' journals and show the documents anew.

#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/ChangeScope.h"
#include "tavo/material/ChangeStep.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/outside/QODOMJournal.h"
#include "tavo/tavoEdit/ChangeTexts.h"
#include "tavo/tavoEdit/JournalCommand.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* StepButton(QAction* action, const char* objectName, QWidget* parent)
{
  auto* button = new QToolButton(parent);
  button->setObjectName(objectName);
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

// True when the journal of the document that holds the element differs from its last save.
bool ChangedSinceSave(QODOM_ELEMENT file)
{
  const DocumentJournal* journal = QODOM_GetJournal(QODOM_GetDocument(file));
  return journal && journal->Position() != journal->SavedPosition();
}

}  // namespace

// --- construction ---

void CTavoEditDlg::CreateHistoryControls(QHBoxLayout* row)
{
  m_undoStack = new QUndoStack(this);
  m_undo = new QAction(this);
  m_undo->setObjectName("actUndo");
  m_undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  m_redo = new QAction(this);
  m_redo->setObjectName("actRedo");
  m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QAction* action : {m_undo, m_redo}) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
  }
  connect(m_undo, &QAction::triggered, this, &CTavoEditDlg::OnUndo);
  connect(m_redo, &QAction::triggered, this, &CTavoEditDlg::OnRedo);
  // A click in the history moves the stack itself; its state is read once the move is over.
  connect(m_undoStack, &QUndoStack::indexChanged, this, &CTavoEditDlg::UpdateHistoryState, Qt::QueuedConnection);

  m_undoButton = StepButton(m_undo, "btnUndo", this);
  m_redoButton = StepButton(m_redo, "btnRedo", this);
  m_historyButton = new QPushButton(QString::fromUtf8("Verlauf…"), this);
  m_historyButton->setObjectName("btnHistory");
  m_historyButton->setAutoDefault(false);
  connect(m_historyButton, &QPushButton::clicked, this, &CTavoEditDlg::OnHistory);
  row->addWidget(m_undoButton);
  row->addWidget(m_redoButton);
  row->addWidget(m_historyButton);
  UpdateHistoryState();
}

// --- public operations ---

void CTavoEditDlg::OnUndo()
{
  // An edit still in the grid is the step to undo first; one that changed nothing is all there
  // was to undo.
  const bool pending = m_gridEdited;
  const int steps = m_undoStack->index();
  UpdateObjectData(true);
  if (!pending || m_undoStack->index() != steps)
    m_undoStack->undo();
  UpdateHistoryState();
}

void CTavoEditDlg::OnRedo()
{
  UpdateObjectData(true);
  UpdateHistoryState();  // drops a redo that a change since made impossible
  if (m_undoStack->canRedo())
    m_undoStack->redo();
  UpdateHistoryState();
}

void CTavoEditDlg::OnHistory()
{
  UpdateObjectData(true);
  if (!m_history) {
    m_history = new QDialog(this);
    m_history->setObjectName("historyDialog");
    m_history->setWindowTitle(QString::fromStdString(Translate("Änderungsverlauf")));
    auto* view = new QUndoView(m_undoStack, m_history);
    view->setObjectName("historyView");
    view->setEmptyLabel(QString::fromStdString(Translate("Stand beim Öffnen")));
    auto* layout = new QVBoxLayout(m_history);
    layout->addWidget(view);
    m_history->resize(420, 360);
  }
  m_history->show();
  m_history->raise();
}

// --- private helpers ---

void CTavoEditDlg::RunStep(const std::string& text, const std::function<void()>& action)
{
  auto step = std::make_unique<CChangeStep>(std::vector{m_handler.StandardFile(), m_handler.UserFile()});
  action();
  if (step->Finish())
    m_undoStack->push(
        new CJournalCommand(std::move(step), QString::fromStdString(text), [this] { ShowDocumentsAgain(); }));
  UpdateHistoryState();
}

void CTavoEditDlg::ShowDocumentsAgain()
{
  std::array<std::string, kLevelCount> shown;
  std::array<int, kLevelCount> lines{};
  for (int level = 0; level < kLevelCount; ++level) {
    lines[level] = m_lists[level]->currentIndex();
    if (lines[level] >= 0)
      shown[level] = level == kObjekt ? m_lists[level]->currentText().toStdString() : m_names[level][lines[level]];
  }
  // The grid's rows belong to the documents as they stood: nothing may be written back from them.
  // The history is not touched while one of its steps replays.
  m_replaying = true;
  m_findStale = true;  // an undone copy or delete changes the names
  m_selection.fill(-1);
  m_handler.ForgetCurrentObject();
  for (int level = 0; level < kLevelCount; ++level) {
    const auto current = static_cast<Level>(level);
    std::vector<std::string> names;
    if (ListsHaveLines(level))
      names = m_handler.ListLevel(CurrentNames(level));
    FillList(current, names, current != kObjekt);
    const auto same = std::find(names.begin(), names.end(), shown[level]);
    const int count = static_cast<int>(names.size());
    const int line = same != names.end() ? static_cast<int>(same - names.begin()) : std::min(lines[level], count - 1);
    m_lists[level]->setCurrentIndex(count > 0 ? std::max(line, 0) : -1);
    if (current != kObjekt)
      m_selection[level] = m_lists[level]->currentIndex();
  }
  OnSelChange(kObjekt);
  m_replaying = false;
}

void CTavoEditDlg::UpdateHistoryState()
{
  if (m_replaying)
    return;
  // A change made after an undo (values recalculated when an object was viewed) replaces what was
  // undone: those steps can no longer be redone.
  const auto* next = dynamic_cast<const CJournalCommand*>(m_undoStack->command(m_undoStack->index()));
  if (next && !next->CanRedo()) {
    auto* drop = new QUndoCommand;
    drop->setObsolete(true);
    m_undoStack->push(drop);  // pushing drops every step after the current one
  }
  const QString undoText = QString::fromStdString(Translate("Rückgängig"));
  const QString redoText = QString::fromStdString(Translate("Wiederholen"));
  // An edit in the grid is undone first; its step comes into being when it is committed.
  QString undoStep = m_undoStack->undoText();
  if (m_gridEdited && SelectionComplete())
    undoStep = QString::fromStdString(ChangeCauseText(ChangeKind::kGridEdit, PathText(SelectedPath())));
  m_undo->setText(undoStep.isEmpty() ? undoText : undoText + ": " + undoStep);
  m_redo->setText(m_undoStack->canRedo() ? redoText + ": " + m_undoStack->redoText() : redoText);
  m_undo->setEnabled(m_undoStack->canUndo() || m_gridEdited);
  m_redo->setEnabled(m_undoStack->canRedo() && !m_gridEdited);
  setWindowModified(ChangedSinceSave(m_handler.StandardFile()) || ChangedSinceSave(m_handler.UserFile()));
}
