// CTavoGrid: where each row comes from, as a badge in the Kurzname column with its tooltip, and
// the row the user works in.

#include "tavo/tavoEdit/ProvenanceBadge.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The badge stands at the left of the Kurzname cell; the text keeps clear of it.
constexpr int kBadgeMargin = kBadgeSize + 4;

}  // namespace

// --- public operations ---

void CTavoGrid::SetProvenance(std::vector<ViewedRow> provenance)
{
  m_provenance = std::move(provenance);
  Redraw();
}

int CTavoGrid::FocusRow() const
{
  const CCellID focus = GetFocusCell();
  return focus.row >= 1 ? focus.row : 0;
}

// --- hooks ---

void CTavoGrid::DrawGrid(QPainter& painter)
{
  // Rows are rebuilt whenever an object is loaded, so the room for the badge is made here.
  for (int r = 1; r < GetRowCount(); ++r)
    if (CGridCellBase* cell = GetCell(r, kColKurzname))
      cell->SetMargin(r - 1 < static_cast<int>(m_provenance.size()) ? kBadgeMargin : -1);
  CQORGridCtrl::DrawGrid(painter);
  if (!IsColumnVisible(kColKurzname))
    return;
  painter.save();
  painter.setClipRect(QRect(0, GetRowHeight(0), viewport()->width(), viewport()->height()));
  for (int r = 1; r < GetRowCount() && r - 1 < static_cast<int>(m_provenance.size()); ++r) {
    const QRect cell = GetCellRect(r, kColKurzname);
    if (cell.isValid() && cell.bottom() >= GetRowHeight(0))
      painter.drawPixmap(cell.left() + 2, cell.top() + (cell.height() - kBadgeSize) / 2,
                         ProvenanceBadge(m_provenance[std::size_t(r - 1)]));
  }
  painter.restore();
}

bool CTavoGrid::viewportEvent(QEvent* event)
{
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const CCellID cell = GetCellFromPt(help->pos());
    if (cell.col == kColKurzname && cell.row >= 1 && cell.row - 1 < static_cast<int>(m_provenance.size())) {
      QToolTip::showText(help->globalPos(),
                         QString::fromStdString(ProvenanceTip(m_provenance[std::size_t(cell.row - 1)])), viewport(),
                         GetCellRect(cell.row, cell.col));
      return true;
    }
  }
  return CQORGridCtrl::viewportEvent(event);
}

void CTavoGrid::OnFocusCellChanged(int row, int)
{
  const int now = row >= 1 ? row : 0;
  if (now == m_focusRow)
    return;
  m_focusRow = now;
  emit focusRowChanged(now);
}

void CTavoGrid::OnEditStarted(int row, int col, int type)
{
  CQORGridCtrl::OnEditStarted(row, col, type);
  emit rowEditStarted(row);
}
