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

  virtual void SetText(const QString& text) { text_ = text; }
  virtual QString GetText() const { return text_; }
  void SetState(unsigned state) { state_ = state & ~kDerivedStates; }
  unsigned GetState() const { return state_; }
  void SetFormat(unsigned format) { format_ = format; }
  unsigned GetFormat() const { return format_; }
  void SetTextClr(GridColour c) { textClr_ = c; }
  GridColour GetTextClr() const { return textClr_; }
  void SetBackClr(GridColour c) { backClr_ = c; }
  GridColour GetBackClr() const { return backClr_; }
  void SetFont(const std::optional<QFont>& font) { font_ = font; }
  const std::optional<QFont>& GetFont() const { return font_; }
  void SetMargin(int margin) { margin_ = margin; }
  int GetMargin() const { return margin_; }
  void SetCoords(int row, int col)
  {
    row_ = row;
    col_ = col;
  }
  int GetRow() const { return row_; }
  int GetCol() const { return col_; }
  void SetGrid(CGridCtrl* grid) { grid_ = grid; }
  CGridCtrl* GetGrid() const { return grid_; }
  bool IsReadOnly() const { return (state_ & kStateReadOnly) != 0; }

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
  virtual void OnClick(const QPoint& point) { (void)point; }
  virtual void OnRClick(const QPoint& point) { (void)point; }

 protected:
  // Text rectangle: the cell less its margin.
  QRect TextRect(const QRect& rect) const;
  const CGridCellBase* DefaultCell() const;

 private:
  QString text_;
  unsigned state_ = 0;
  unsigned format_ = kFormatUseDefault;
  GridColour textClr_ = kDefaultColour;
  GridColour backClr_ = kDefaultColour;
  std::optional<QFont> font_;
  int margin_ = -1;
  int row_ = -1;
  int col_ = -1;
  CGridCtrl* grid_ = nullptr;
};
