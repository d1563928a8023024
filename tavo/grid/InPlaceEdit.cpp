#include "tavo/grid/InPlaceEdit.h"

#include <QKeyEvent>

#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/GridTypes.h"

// --- construction ---

CInPlaceEdit::CInPlaceEdit(CGridCtrl* grid, const QRect& cellRect, int row, int col, const QString& text, int firstChar,
                           bool exitOnArrows)
    : QLineEdit(grid->viewport()),
      m_grid(grid),
      m_cellRect(cellRect),
      m_row(row),
      m_col(col),
      m_startText(text),
      m_exitOnArrows(exitOnArrows)
{
  setObjectName(QStringLiteral("inPlaceEdit"));
  setProperty("controlId", kInPlaceEditId);
  setFrame(false);
  setFont(grid->font());
  setContextMenuPolicy(Qt::NoContextMenu);
  setTextMargins(1, 0, 1, 0);
  setText(text);
  setGeometry(cellRect);
  connect(this, &QLineEdit::textChanged, this, &CInPlaceEdit::GrowToFit);
  show();
  setFocus(Qt::OtherFocusReason);
  ReactToFirstChar(firstChar);
  GrowToFit();
}

// --- public operations ---

void CInPlaceEdit::EndEdit(int key, Qt::KeyboardModifiers modifiers)
{
  if (m_ending)
    return;  // losing the focus while ending must not end it twice
  m_ending = true;
  QPointer<CInPlaceEdit> self(this);
  const QString text = this->text();
  if (hasFocus() && m_grid != nullptr)
    m_grid->setFocus(Qt::OtherFocusReason);
  if (m_grid != nullptr)
    m_grid->OnEndInPlaceEdit(m_row, m_col, text, key, modifiers);
  if (self != nullptr) {
    hide();
    deleteLater();
  }
}

// --- handlers ---

bool CInPlaceEdit::focusNextPrevChild(bool)
{
  return false;  // Tab reaches keyPressEvent and ends the edit
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool leaveOnArrow = m_exitOnArrows || (modifiers & Qt::ControlModifier) != 0;
  switch (key) {
    case Qt::Key_Escape:
      setText(m_startText);
      EndEdit(key, modifiers);
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down: EndEdit(key, modifiers); return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (leaveOnArrow) {
        EndEdit(key, modifiers);
        return;
      }
      break;
    default: break;
  }
  QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
  QLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason)
    EndEdit(0);
}

void CInPlaceEdit::mousePressEvent(QMouseEvent* event)
{
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QLineEdit::mousePressEvent(event);
}

// A right click in the editor is the grid's right click at the same place.
void CInPlaceEdit::mouseReleaseEvent(QMouseEvent* event)
{
  if (event->button() == Qt::RightButton) {
    event->accept();
    if (m_grid != nullptr)
      m_grid->OnRightButtonUp(event->modifiers(), mapToParent(event->position().toPoint()));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

// --- private helpers ---

void CInPlaceEdit::ReactToFirstChar(int firstChar)
{
  switch (firstChar) {
    case kEditCharCaretEnd:
    case Qt::Key_Return:
    case Qt::Key_Enter: end(false); return;
    case Qt::Key_Backspace:
      end(false);
      backspace();
      return;
    default:
      selectAll();
      // A blank or a key that is no character (Tab, arrows, page keys) leaves the text selected;
      // any other character replaces it.
      if (firstChar > ' ' && firstChar <= 0x10FFFF) {
        const char32_t code = char32_t(firstChar);
        insert(QString::fromUcs4(&code, 1));
      }
      return;
  }
}

void CInPlaceEdit::GrowToFit()
{
  const QFontMetrics metrics(font());
  const QMargins margins = textMargins();
  const int wanted = metrics.horizontalAdvance(text() + QStringLiteral("  ")) + margins.left() + margins.right() + 4;
  int width = std::max(m_cellRect.width(), wanted);
  if (parentWidget() != nullptr)
    width = std::min(width, parentWidget()->width() - m_cellRect.left());
  resize(std::max(width, 1), m_cellRect.height());
}
