#pragma once
#include "tavo/grid/GridCell.h"

// A check box cell. The user changes it only by a click inside the box or by the space key while
// it is the focus cell; each such toggle calls the grid's OnCheckChanged with the cell's row and
// column. A disabled box ignores both, refuses the keyboard focus and is drawn inactive.
class CGridCellCheck : public CGridCell {
 public:
  static constexpr const char* kClassName = "CGridCellCheck";

  const char* ClassName() const override { return kClassName; }

  // Sets the state without calling any hook; returns the previous state.
  bool SetCheck(bool checked);
  bool GetCheck() const { return m_checked; }
  // Returns the previous value.
  bool SetDisabled(bool disabled);
  bool IsDisabled() const { return m_disabled; }

  // The box inside a cell rectangle: the style's indicator size, at the cell's top-left moved by
  // the margin less one, and moved right by half the room the box leaves when that is a pixel.
  QRect CheckBoxRect(const QRect& cellRect) const;
  int BoxSize() const;

  bool AcceptsFocus() const override { return !m_disabled; }
  bool OnSpaceKey() override;
  bool Edit(const QRect& rect, const QPoint& point, int firstChar) override;
  void Draw(QPainter& painter, const QRect& rect, const CellDrawState& how) override;
  QSize GetCellExtent() const override;
  void OnClick(const QPoint& point) override;

 private:
  void Toggle();
  void RepaintIfDrawn();

  bool m_checked = false;
  bool m_disabled = false;
  QRect m_lastRect;  // where the cell was drawn last; empty until then
};
