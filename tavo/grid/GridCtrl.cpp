#include "tavo/grid/GridCtrl.h"

#include <QScrollBar>
#include <QStyle>

#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellRegistry.h"
#include "tavo/grid/GridDefaultCell.h"
#include "tavo/grid/InPlaceEdit.h"

// --- construction ---

CGridCtrl::CGridCtrl(QWidget* parent) : QAbstractScrollArea(parent)
{
  setObjectName(QStringLiteral("gridCtrl"));
  viewport()->setObjectName(QStringLiteral("gridViewport"));
  // The grid takes the focus itself on a left press, as part of its own mouse handling.
  setFocusPolicy(Qt::TabFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
  for (auto& cell : m_defaultCells)
    cell = std::make_unique<CGridDefaultCell>();
}

CGridCtrl::~CGridCtrl()
{
  if (m_editor != nullptr)
    delete m_editor.data();
}

// --- size ---

bool CGridCtrl::SetRowCount(int rows)
{
  if (rows < 0)
    return false;
  const int old = GetRowCount();
  if (rows == old)
    return true;
  if (IsEditing() && m_editCell.row >= rows)
    EndEditing();
  for (int row = old - 1; row >= rows; --row) {
    for (int col = 0; col < GetColumnCount(); ++col)
      FreeCell(row, col);
  }
  m_model.SetRowCount(rows, GetDefaultRowHeight(), [this](int row, int col) { return NewCell(row, col); });
  if (m_focus.row >= rows)
    SetFocusCell(-1, -1);
  if (m_selection.maxRow >= rows)
    ClearSelection();
  UpdateScrollBars();
  Invalidate();
  return true;
}

bool CGridCtrl::SetColumnCount(int cols)
{
  if (cols < 0)
    return false;
  const int old = GetColumnCount();
  if (cols == old)
    return true;
  if (IsEditing() && m_editCell.col >= cols)
    EndEditing();
  for (int row = 0; row < GetRowCount(); ++row) {
    for (int col = old - 1; col >= cols; --col)
      FreeCell(row, col);
  }
  m_model.SetColumnCount(cols, 60, [this](int row, int col) { return NewCell(row, col); });
  if (m_focus.col >= cols)
    SetFocusCell(-1, -1);
  if (m_selection.maxCol >= cols)
    ClearSelection();
  UpdateScrollBars();
  Invalidate();
  return true;
}

bool CGridCtrl::SetFixedRowCount(int rows)
{
  if (!m_model.SetFixedRowCount(rows))
    return false;
  if (IsValid(m_focus) && IsCellFixed(m_focus.row, m_focus.col))
    SetFocusCell(-1, -1);
  UpdateScrollBars();
  Invalidate();
  return true;
}

bool CGridCtrl::SetFixedColumnCount(int cols)
{
  if (!m_model.SetFixedColumnCount(cols))
    return false;
  if (IsValid(m_focus) && IsCellFixed(m_focus.row, m_focus.col))
    SetFocusCell(-1, -1);
  UpdateScrollBars();
  Invalidate();
  return true;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
  if (!m_model.SetRowHeight(row, height))
    return false;
  UpdateScrollBars();
  Invalidate();
  return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
  if (!m_model.SetColumnWidth(col, width))
    return false;
  UpdateScrollBars();
  Invalidate();
  return true;
}

// Room for a line of the grid's font or a check box, with the default margin around it.
int CGridCtrl::GetDefaultRowHeight() const
{
  const int margin = CGridDefaultCell::kDefaultMargin;
  const int box = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
  return std::max(fontMetrics().height(), box) + 2 * margin;
}

// --- cells ---

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetText(text);
  RedrawCell(row, col);
  return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
  const CGridCellBase* cell = GetCell(row, col);
  return cell != nullptr ? cell->GetText() : QString();
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetState(state);
  RedrawCell(row, col);
  return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const
{
  const CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return 0;
  unsigned state = cell->GetState();
  if (m_focus == CCellID(row, col))
    state |= kStateFocused;
  if (IsCellSelected(row, col))
    state |= kStateSelected;
  if (row < GetFixedRowCount())
    state |= kStateFixed | kStateFixedRow;
  if (col < GetFixedColumnCount())
    state |= kStateFixed | kStateFixedCol;
  return state;
}

bool CGridCtrl::SetItemFormat(int row, int col, unsigned format)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetFormat(format);
  RedrawCell(row, col);
  return true;
}

bool CGridCtrl::SetItemFgColour(int row, int col, GridColour colour)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetTextClr(colour);
  RedrawCell(row, col);
  return true;
}

bool CGridCtrl::SetItemBkColour(int row, int col, GridColour colour)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetBackClr(colour);
  RedrawCell(row, col);
  return true;
}

GridColour CGridCtrl::GetItemBkColour(int row, int col) const
{
  const CGridCellBase* cell = GetCell(row, col);
  return cell != nullptr ? cell->GetBackClr() : kDefaultColour;
}

bool CGridCtrl::SetItemFont(int row, int col, const QFont& font)
{
  CGridCellBase* cell = GetCell(row, col);
  if (cell == nullptr)
    return false;
  cell->SetFont(font);
  RedrawCell(row, col);
  return true;
}

// The new object copies every attribute of the old one; the old one goes through FreeCell.
bool CGridCtrl::SetCellClass(int row, int col, const char* className)
{
  CGridCellBase* old = GetCell(row, col);
  if (old == nullptr)
    return false;
  if (std::string_view(old->ClassName()) == className)
    return true;
  std::unique_ptr<CGridCellBase> cell = CreateGridCell(className);
  if (cell == nullptr)
    return false;
  if (m_editCell == CCellID(row, col))
    EndEditing();
  cell->CopyAttributesFrom(*old);
  cell->SetGrid(this);
  cell->SetCoords(row, col);
  FreeCell(row, col);
  m_model.SetCell(row, col, std::move(cell));
  RedrawCell(row, col);
  return true;
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
  return m_defaultCells[(fixedRow ? 1 : 0) + (fixedCol ? 2 : 0)].get();
}

// --- focus cell and selection ---

void CGridCtrl::SetFocusCell(int row, int col)
{
  CCellID cell(row, col);
  if (row != -1 || col != -1) {
    if (!IsValid(row, col))
      return;
    cell.row = std::max(row, std::min(GetFixedRowCount(), GetRowCount() - 1));
    cell.col = std::max(col, std::min(GetFixedColumnCount(), GetColumnCount() - 1));
  }
  if (cell == m_focus)
    return;
  const CCellID old = m_focus;
  m_focus = cell;
  if (!m_rangeSelection)
    m_selection = IsValid(cell) ? CCellRange{cell.row, cell.col, cell.row, cell.col} : CCellRange{};
  if (m_trackFocusHeaders) {
    Invalidate();
  } else {
    RedrawCell(old.row, old.col);
    RedrawCell(cell.row, cell.col);
  }
  OnFocusCellChanged(cell.row, cell.col);
}

void CGridCtrl::SetSelectedRange(const CCellRange& range)
{
  if (range.IsValid() && !(IsValid(range.minRow, range.minCol) && IsValid(range.maxRow, range.maxCol)))
    return;
  m_selection = range.IsValid() ? range : CCellRange{};
  Invalidate();
}

// One selection step: the owner hears of it before and after.
void CGridCtrl::MoveFocusTo(const CCellID& cell, bool extend)
{
  if (!IsValid(cell))
    return;
  SendMessageToParent(cell.row, cell.col, kNotifySelChanging);
  SetFocusCell(cell.row, cell.col);
  if (m_rangeSelection) {
    if (!extend || !IsValid(m_selectAnchor))
      m_selectAnchor = m_focus;
    SetSelectedRange(CCellRange{std::min(m_selectAnchor.row, m_focus.row), std::min(m_selectAnchor.col, m_focus.col),
                                std::max(m_selectAnchor.row, m_focus.row), std::max(m_selectAnchor.col, m_focus.col)});
  }
  EnsureVisible(m_focus.row, m_focus.col);
  SendMessageToParent(m_focus.row, m_focus.col, kNotifySelChanged);
}

int CGridCtrl::SendMessageToParent(int row, int col, int code)
{
  return m_owner ? m_owner(code, row, col) : 0;
}

// --- hooks ---

void CGridCtrl::OnCheckChanged(int, int) {}
void CGridCtrl::OnComboSelChanged(int, int, int) {}
void CGridCtrl::OnButtonClicked(int, int) {}
void CGridCtrl::OnSelectingCell(int, int) {}
void CGridCtrl::OnFocusCellChanged(int, int) {}
void CGridCtrl::OnCellKeyDown(int, int, int) {}
QString CGridCtrl::GetCellTipText(int, int)
{
  return QString();
}
bool CGridCtrl::TabOutOfGrid(int, int, bool)
{
  return false;
}

std::unique_ptr<CGridCellBase> CGridCtrl::NewCell(int row, int col)
{
  auto cell = std::make_unique<CGridCell>();
  cell->SetGrid(this);
  cell->SetCoords(row, col);
  return cell;
}

void CGridCtrl::FreeCell(int row, int col)
{
  m_model.SetCell(row, col, nullptr);
}
