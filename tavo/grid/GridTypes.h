#pragma once
// Small value types shared by the grid, its cells and its in-place editor.

#include <QColor>
#include <cstdint>

// A cell position; (-1, -1) names no cell.
struct CCellID {
  int row = -1;
  int col = -1;

  constexpr CCellID() = default;
  constexpr CCellID(int r, int c) : row(r), col(c) {}
  constexpr bool IsValid() const { return row >= 0 && col >= 0; }
  friend constexpr bool operator==(const CCellID&, const CCellID&) = default;
};

// A 24-bit RGB colour, 0x00RRGGBB; all of the top eight bits set marks "take the default".
using GridColour = std::uint32_t;
inline constexpr GridColour kDefaultColour = 0xFF000000u;

constexpr GridColour GridRgb(int r, int g, int b)
{
  return (GridColour(r & 0xFF) << 16) | (GridColour(g & 0xFF) << 8) | GridColour(b & 0xFF);
}
constexpr bool IsDefaultColour(GridColour c)
{
  return (c & kDefaultColour) == kDefaultColour;
}
inline QColor ToQColor(GridColour c)
{
  return QColor(int(c >> 16) & 0xFF, int(c >> 8) & 0xFF, int(c) & 0xFF);
}

// Cell state flags. Focused, selected and the fixed flags are derived from the grid when read.
enum CellState : unsigned {
  kStateFocused = 0x0001,
  kStateSelected = 0x0002,
  kStateReadOnly = 0x0004,
  kStateFixed = 0x0008,
  kStateFixedRow = 0x0010,
  kStateFixedCol = 0x0020,
  kStateModified = 0x0040,
};
inline constexpr unsigned kDerivedStates =
    kStateFocused | kStateSelected | kStateFixed | kStateFixedRow | kStateFixedCol;

// Text format flags of a cell.
enum CellFormat : unsigned {
  kFormatLeft = 0x0000,
  kFormatCentre = 0x0001,
  kFormatRight = 0x0002,
  kFormatVCentre = 0x0004,
  kFormatSingleLine = 0x0020,
  kFormatNoPrefix = 0x0800,
  kFormatEndEllipsis = 0x8000,
};
inline constexpr unsigned kFormatDefault =
    kFormatLeft | kFormatVCentre | kFormatSingleLine | kFormatNoPrefix | kFormatEndEllipsis;

// Codes of the notifications that the grid sends to its owner.
enum GridNotification : int {
  kNotifyClick = -2,
  kNotifyDoubleClick = -3,
  kNotifyRightClick = -5,
  kNotifySelChanging = -100,
  kNotifySelChanged = -101,
  kNotifyBeginEdit = -105,
  kNotifyEndEdit = -106,
};

// The first character of an edit: a Unicode code point, a Qt::Key value for a non-character key
// (Tab, Return, Backspace, arrows, page keys), or this code for "started by mouse or F2".
inline constexpr int kEditCharCaretEnd = 1;

// The control id of the in-place editor window.
inline constexpr int kInPlaceEditId = 8;

// A rectangle of cells, both corners included; an empty range has minRow -1.
struct CCellRange {
  int minRow = -1;
  int minCol = -1;
  int maxRow = -1;
  int maxCol = -1;

  constexpr bool IsValid() const { return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol; }
  constexpr bool Contains(int row, int col) const
  {
    return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
  }
  friend constexpr bool operator==(const CCellRange&, const CCellRange&) = default;
};
