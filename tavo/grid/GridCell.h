#pragma once
#include <QPointer>

#include "tavo/grid/GridCellBase.h"

#include "tavo/grid/InPlaceEdit.h"

// The plain text cell, edited with the single-line in-place editor.
class CGridCell : public CGridCellBase {
 public:
  static constexpr const char* kClassName = "CGridCell";

  const char* ClassName() const override { return kClassName; }
  bool IsEditing() const override { return !m_editor.isNull(); }
  bool Edit(const QRect& rect, const QPoint& point, int firstChar) override;
  void EndEdit() override { m_editor = nullptr; }
  CInPlaceEdit* GetEditWnd() const override { return m_editor; }

 private:
  QPointer<CInPlaceEdit> m_editor;
};
