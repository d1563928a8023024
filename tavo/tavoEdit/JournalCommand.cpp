#include "tavo/tavoEdit/JournalCommand.h"

CJournalCommand::CJournalCommand(std::unique_ptr<CChangeStep> step, const QString& text,
                                 std::function<void()> afterReplay)
    : QUndoCommand(text), m_step(std::move(step)), m_afterReplay(std::move(afterReplay))
{
}

void CJournalCommand::undo()
{
  m_step->Undo();
  m_afterReplay();
}

void CJournalCommand::redo()
{
  if (!m_pushed) {
    m_pushed = true;
    return;
  }
  if (m_step->Redo())
    m_afterReplay();
}
