#include "tavo/grid/QORGridCtrl.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include "tavo/grid/ColumnWidths.h"
#include "tavo/grid/CommitGuard.h"
#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellCheck.h"
#include "tavo/grid/GridDefaultCell.h"

namespace {

QString FromUtf8(const std::string& text)
{
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

// --- construction ---

CQORGridCtrl::CQORGridCtrl(QWidget* parent) : CGridCtrl(parent)
{
  setObjectName(QStringLiteral("qorGridCtrl"));
  m_records.reserve(1023);
}

CQORGridCtrl::~CQORGridCtrl() = default;

void CQORGridCtrl::SetupGrid(int rows, int cols, int fixedRows, int fixedCols)
{
  if (rows < 0 || cols < 0 || fixedRows < 0 || fixedCols < 0 || fixedRows > rows || fixedCols > cols)
    return;
  if (parentWidget() != nullptr)
    setFont(parentWidget()->font());
  setFrameShape(QFrame::NoFrame);
  GetDefaultCell(false, false)->SetBackClr(kWhite);

  m_rowCount = rows;
  m_weights.assign(std::size_t(cols), 0);
  m_visible.assign(std::size_t(cols), 1);

  CGridCtrl::SetRowCount(rows);
  SetColumnCount(cols);
  SetFixedRowCount(fixedRows);
  SetFixedColumnCount(fixedCols);
  SetEnterSubstituteKey(Qt::Key_Tab);
  EnableRangeSelection(false);
  SetTrackFocusCell(false);

  for (int row = fixedRows; row < rows; ++row)
    InitRow(row);
  m_initialised = true;
}

// --- public operations ---

void CQORGridCtrl::SetRowCount(int rows)
{
  if (rows < 0 || rows == m_rowCount)
    return;
  m_rowCount = rows;
  const int old = CGridCtrl::GetRowCount();
  for (int row = rows; row < old; ++row) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      m_records.erase(RecordKey(row, col));
      m_marks.erase(RecordKey(row, col));
    }
  }
  if (m_highlightedRow >= rows)
    m_highlightedRow = -1;
  CGridCtrl::SetRowCount(rows);
  for (int row = std::max(old, GetFixedRowCount()); row < rows; ++row)
    InitRow(row);
  FitColumns();
}

int CQORGridCtrl::SetCellType(int row, int col, int type)
{
  if (!IsValid(row, col))
    return 0;
  const long long key = RecordKey(row, col);
  if (type == kCellText) {
    m_records.erase(key);
    SetCellClass(row, col, CGridCell::kClassName);
    return 0;
  }
  if (type != kCellCheck)
    return GetCellType(row, col);
  std::unique_ptr<cellInfo>& record = m_records[key];
  if (record == nullptr)
    record = std::make_unique<cellInfo>();
  record->row = row;
  record->col = col;
  record->type = kCellCheck;
  if (std::string_view(GetCell(row, col)->ClassName()) != CGridCellCheck::kClassName) {
    SetCellClass(row, col, CGridCellCheck::kClassName);
    SetItemState(row, col, GetCell(row, col)->GetState() | kStateReadOnly);
    SetItemBkColour(row, col, kReadOnlyColour);
  }
  return record->type;
}

int CQORGridCtrl::GetCellType(int row, int col) const
{
  const cellInfo* record = FindRecord(row, col);
  return record != nullptr ? record->type : 0;
}

void CQORGridCtrl::SetCellText(int row, int col, const std::string& text)
{
  SetItemText(row, col, FromUtf8(text));
}

std::string CQORGridCtrl::GetCellText(int row, int col)
{
  EndEditing();
  if (FindRecord(row, col) != nullptr)
    return std::string();
  return GetItemText(row, col).toStdString();
}

bool CQORGridCtrl::GetCheck(int row, int col)
{
  EndEditing();
  if (GetCellType(row, col) != kCellCheck)
    return false;
  const auto* box = dynamic_cast<const CGridCellCheck*>(GetCell(row, col));
  return box != nullptr && box->GetCheck();
}

bool CQORGridCtrl::SetCheck(int row, int col, bool checked)
{
  if (GetCellType(row, col) != kCellCheck)
    return false;
  auto* box = dynamic_cast<CGridCellCheck*>(GetCell(row, col));
  return box != nullptr && box->SetCheck(checked);
}

void CQORGridCtrl::SetCellReadOnly(int row, int col, bool readOnly)
{
  if (!IsValid(row, col))
    return;
  if (GetCellType(row, col) == kCellCheck) {
    if (auto* box = dynamic_cast<CGridCellCheck*>(GetCell(row, col)))
      box->SetDisabled(readOnly);
    return;
  }
  SetItemBkColour(row, col, RestingColour(row, col, readOnly));
  SetItemState(row, col, readOnly ? unsigned(kStateReadOnly) : 0u);
}

void CQORGridCtrl::SetColumnWeight(int col, int weight)
{
  if (col >= 0 && col < int(m_weights.size()))
    m_weights[std::size_t(col)] = weight;
}

void CQORGridCtrl::SetColumnVisible(int col, bool visible, bool refit)
{
  if (col < 0 || col >= int(m_visible.size()))
    return;
  const int flag = visible ? 1 : 0;
  if (m_visible[std::size_t(col)] == flag)
    return;
  m_visible[std::size_t(col)] = flag;
  if (refit)
    FitColumns();
}

bool CQORGridCtrl::IsColumnVisible(int col) const
{
  return col >= 0 && col < int(m_visible.size()) && m_visible[std::size_t(col)] != 0;
}

void CQORGridCtrl::FitColumns()
{
  if (!m_initialised || m_rowCount <= 0)
    return;
  const int width = viewport()->width();
  const std::vector<int> widths = FitColumnWidths(m_weights, m_visible, width);
  for (std::size_t col = 0; col < widths.size() && int(col) < GetColumnCount(); ++col) {
    SetColumnWidth(int(col), widths[col]);
  }
  m_fittedWidth = width;
  ExpandLastColumn();
  Redraw();
}

void CQORGridCtrl::SetHeaderText(int row, int col, const std::string& text)
{
  SetItemFormat(row, col, kFormatCentre | kFormatVCentre | kFormatSingleLine);
  SetItemText(row, col, FromUtf8(text));
}

void CQORGridCtrl::Redraw(bool)
{
  Invalidate();
}

void CQORGridCtrl::HighlightRow(int row)
{
  const int fixedRows = GetFixedRowCount();
  const int fixedCols = GetFixedColumnCount();
  const int old = m_highlightedRow;
  if (old >= fixedRows && old < GetRowCount()) {
    for (int col = fixedCols; col < GetColumnCount(); ++col) {
      const bool grey = GetCellType(old, col) == kCellCheck || GetCell(old, col)->IsReadOnly();
      SetItemBkColour(old, col, RestingColour(old, col, grey));
    }
  }
  if (row >= fixedRows && row < GetRowCount()) {
    for (int col = fixedCols; col < GetColumnCount(); ++col) {
      if (m_marks.count(RecordKey(row, col)) == 0)
        SetItemBkColour(row, col, IsCellEditable(row, col) ? kHighlightColour : kHighlightReadOnlyColour);
    }
  }
  m_highlightedRow = row;
  Redraw();
}

bool CQORGridCtrl::CheckCellRecords(std::string* problem) const
{
  const auto fail = [&](const std::string& why) {
    if (problem != nullptr)
      *problem = why;
    return false;
  };
  for (const auto& [key, record] : m_records) {
    if (record == nullptr)
      return fail("null record under key " + std::to_string(key));
    const std::string where = "record (" + std::to_string(record->row) + ", " + std::to_string(record->col) + ")";
    if (RecordKey(record->row, record->col) != key)
      return fail(where + " stored under key " + std::to_string(key));
    if (!IsValid(record->row, record->col))
      return fail(where + " lies outside the grid");
    if (record->type != kCellCheck)
      return fail(where + " has type " + std::to_string(record->type));
    if (std::string_view(GetCell(record->row, record->col)->ClassName()) != CGridCellCheck::kClassName) {
      return fail(where + " names a cell that is no check box");
    }
  }
  for (int row = 0; row < CGridCtrl::GetRowCount(); ++row) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      if (std::string_view(GetCell(row, col)->ClassName()) == CGridCellCheck::kClassName &&
          FindRecord(row, col) == nullptr) {
        return fail("check box (" + std::to_string(row) + ", " + std::to_string(col) + ") has no record");
      }
    }
  }
  return true;
}

// --- hooks ---

bool CQORGridCtrl::StartCellEdit(int row, int col, const QPoint& point, int firstChar)
{
  if (!CGridCtrl::StartCellEdit(row, col, point, firstChar))
    return false;
  OnEditStarted(row, col, GetCellType(row, col));
  return true;
}

// A commit that starts while another one runs (from a hook, say) does nothing.
void CQORGridCtrl::FinishCellEdit(int row, int col, const QString& text)
{
  if (m_committing)
    return;
  CCommitGuard guard(m_committing);
  CGridCtrl::FinishCellEdit(row, col, text);
  OnCellChanged(row, col, GetCellType(row, col));
}

// The editor registers no context-menu entries: releasing the right button does nothing.
void CQORGridCtrl::OnRightButtonUp(Qt::KeyboardModifiers, const QPoint&) {}

void CQORGridCtrl::InitGrid() {}
void CQORGridCtrl::OnCellChanged(int, int, int) {}

void CQORGridCtrl::OnEditStarted(int row, int col, int)
{
  SetFocusCell(row, col);
  m_hasFocusState = true;
}

void CQORGridCtrl::OnCellClicked(int, int) {}
void CQORGridCtrl::InitRow(int) {}
void CQORGridCtrl::OnMenuCommand(int, int, int) {}

// --- handlers ---

void CQORGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
  CGridCtrl::mouseReleaseEvent(event);
  const CCellID focus = GetFocusCell();
  if (event->button() == Qt::LeftButton && IsValid(focus))
    OnCellClicked(focus.row, focus.col);
}

// The weights are proportions of the client width, so a new width refits the columns.
void CQORGridCtrl::resizeEvent(QResizeEvent* event)
{
  CGridCtrl::resizeEvent(event);
  if (m_initialised && viewport()->width() != m_fittedWidth)
    FitColumns();
}

// --- private helpers ---

const CQORGridCtrl::cellInfo* CQORGridCtrl::FindRecord(int row, int col) const
{
  if (!IsValid(row, col))
    return nullptr;
  const auto it = m_records.find(RecordKey(row, col));
  return it == m_records.end() ? nullptr : it->second.get();
}
