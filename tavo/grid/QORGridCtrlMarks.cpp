// CQORGridCtrl: marked cells, tinted and with a tooltip of their own.
#include <QHelpEvent>
#include <QToolTip>

#include "tavo/grid/QORGridCtrl.h"

// ---- public operations ------------------------------------------------------------------------

void CQORGridCtrl::SetCellMark(int row, int col, const std::string& tip)
{
  if (!IsValid(row, col) || IsCellFixed(row, col))
    return;
  if (tip.empty())
    m_marks.erase(RecordKey(row, col));
  else
    m_marks[RecordKey(row, col)] = tip;
  const bool readOnly = GetCellType(row, col) == kCellCheck || GetCell(row, col)->IsReadOnly();
  const bool highlighted = row == m_highlightedRow && tip.empty();
  SetItemBkColour(row, col,
                  highlighted ? (IsCellEditable(row, col) ? kHighlightColour : kHighlightReadOnlyColour)
                              : RestingColour(row, col, readOnly));
  RedrawCell(row, col);
}

std::string CQORGridCtrl::GetCellMark(int row, int col) const
{
  const auto mark = m_marks.find(RecordKey(row, col));
  return mark == m_marks.end() ? std::string() : mark->second;
}

// ---- handlers ---------------------------------------------------------------------------------

bool CQORGridCtrl::viewportEvent(QEvent* event)
{
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const CCellID cell = GetCellFromPt(help->pos());
    const auto mark = m_marks.find(RecordKey(cell.row, cell.col));
    if (IsValid(cell) && mark != m_marks.end()) {
      QToolTip::showText(help->globalPos(), QString::fromStdString(mark->second), viewport(),
                         GetCellRect(cell.row, cell.col));
      return true;
    }
  }
  return CGridCtrl::viewportEvent(event);
}

// ---- private helpers --------------------------------------------------------------------------

GridColour CQORGridCtrl::RestingColour(int row, int col, bool readOnly) const
{
  if (m_marks.count(RecordKey(row, col)) != 0)
    return kMarkedColour;
  return readOnly ? kReadOnlyColour : kWhite;
}
