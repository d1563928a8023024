#pragma once
// One step of the editor's undo history: a user action, already done when it is pushed, undone
// and redone through the documents' journals.

#include "tavo/material/ChangeStep.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

class CJournalCommand : public QUndoCommand {
 public:
  // `afterReplay` runs after every undo and redo (the editor shows the documents anew).
  CJournalCommand(std::unique_ptr<CChangeStep> step, const QString& text, std::function<void()> afterReplay);

  void undo() override;
  void redo() override;
  bool CanRedo() const { return m_step->CanRedo(); }

 private:
  std::unique_ptr<CChangeStep> m_step;
  std::function<void()> m_afterReplay;
  bool m_pushed = false;  // the first redo is the push: the action is done already
};
