#pragma once
#include <QLineEdit>
#include <QPointer>

class CGridCtrl;

// The single-line editor that a text cell opens over itself. It starts according to the first
// character (GridTypes.h), grows to the right to fit its text plus two blanks within the grid,
// and ends on Tab, Enter, Escape (which first puts the starting text back), Up, Down, Ctrl with
// Left, Right, Page Up or Page Down (these alone when made to exit on arrows), or when it loses
// the keyboard focus. Ending tells the grid once and then closes the editor.
class CInPlaceEdit : public QLineEdit {
  Q_OBJECT

 public:
  CInPlaceEdit(CGridCtrl* grid, const QRect& cellRect, int row, int col, const QString& text, int firstChar,
               bool exitOnArrows = false);

  // Ends the edit with the key that ended it (0: the focus was lost or the grid asked).
  void EndEdit(int key, Qt::KeyboardModifiers modifiers = {});
  int GetRow() const { return m_row; }
  int GetCol() const { return m_col; }

 protected:
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ReactToFirstChar(int firstChar);
  void GrowToFit();

  QPointer<CGridCtrl> m_grid;
  QRect m_cellRect;
  int m_row;
  int m_col;
  QString m_startText;
  bool m_exitOnArrows;
  bool m_ending = false;
};
