#pragma once
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "tavo/grid/GridTypes.h"

class CGridCtrl;
class CInPlaceEdit;
class QPainter;

// How the grid wants one cell drawn this time.
struct CellDrawState {
  bool focused = false;   // the focus cell
  bool selected = false;  // inside the selection but not the focus cell
  bool gridHasFocus = false;
  bool header = false;           // a fixed cell, drawn as a header section
  bool headerHighlight = false;  // a header of the focus cell's row or column
};

// One cell of the grid: its attributes and the operations the grid calls on it. Attributes left
// at their default marker (colour kDefaultColour, format kFormatUseDefault, margin -1, no font)
// are taken from the grid's matching default cell when the cell is drawn or edited.
class CGridCellBase {
 public:
  static constexpr unsigned kFormatUseDefault = 0xFFFFFFFFu;

  CGridCellBase() = default;
  virtual ~CGridCellBase() = default;
  CGridCellBase(const CGridCellBase&) = delete;
  CGridCellBase& operator=(const CGridCellBase&) = delete;

  // The registered class name; replacing a cell by one of another name makes a new object.
  virtual const char* ClassName() const = 0;

  virtual void SetText(const QString& text) { m_text = text; }
  virtual QString GetText() const { return m_text; }
  void SetState(unsigned state) { m_state = state & ~kDerivedStates; }
  unsigned GetState() const { return m_state; }
  void SetFormat(unsigned format) { m_format = format; }
  unsigned GetFormat() const { return m_format; }
  void SetTextClr(GridColour c) { m_textClr = c; }
  GridColour GetTextClr() const { return m_textClr; }
  void SetBackClr(GridColour c) { m_backClr = c; }
  GridColour GetBackClr() const { return m_backClr; }
  void SetFont(const std::optional<QFont>& font) { m_font = font; }
  const std::optional<QFont>& GetFont() const { return m_font; }
  void SetMargin(int margin) { m_margin = margin; }
  void SetCoords(int row, int col)
  {
    m_row = row;
    m_col = col;
  }
  int GetRow() const { return m_row; }
  int GetCol() const { return m_col; }
  void SetGrid(CGridCtrl* grid) { m_grid = grid; }
  CGridCtrl* GetGrid() const { return m_grid; }
  bool IsReadOnly() const { return (m_state & kStateReadOnly) != 0; }

  // Copies every attribute, text included, but not the position or the grid.
  virtual void CopyAttributesFrom(const CGridCellBase& other);

  // The attributes as drawn: the cell's own, or the default cell's.
  QColor EffectiveTextColour() const;
  QColor EffectiveBackColour() const;  // invalid when no one sets one: the style paints it
  QFont EffectiveFont() const;
  unsigned EffectiveFormat() const;
  int EffectiveMargin() const;

  virtual bool IsEditing() const { return false; }
  // Whether keyboard navigation may stop here: an editable cell.
  virtual bool AcceptsFocus() const { return !IsReadOnly(); }
  // The space key while this is the focus cell; true when the key is used up.
  virtual bool OnSpaceKey() { return false; }
  virtual void Draw(QPainter& painter, const QRect& rect, const CellDrawState& how);
  virtual QSize GetCellExtent() const;
  // Opens an in-place editor over the rectangle, started by the character (GridTypes.h).
  virtual bool Edit(const QRect& rect, const QPoint& point, int firstChar);
  virtual bool ValidateEdit(const QString& text);
  virtual void EndEdit() {}
  // The open in-place editor, or null.
  virtual CInPlaceEdit* GetEditWnd() const { return nullptr; }
  virtual void OnClick(const QPoint&) {}
  virtual void OnRClick(const QPoint&) {}

 protected:
  // Text rectangle: the cell less its margin.
  QRect TextRect(const QRect& rect) const;
  const CGridCellBase* DefaultCell() const;

 private:
  QString m_text;
  unsigned m_state = 0;
  unsigned m_format = kFormatUseDefault;
  GridColour m_textClr = kDefaultColour;
  GridColour m_backClr = kDefaultColour;
  std::optional<QFont> m_font;
  int m_margin = -1;
  int m_row = -1;
  int m_col = -1;
  CGridCtrl* m_grid = nullptr;
};
