#pragma once
// The conflicts of a merge with the file on disk, one row each (path, attribute, the base's, our
// and the file's text), with a choice per row between ours and the file's; OK only once every row
// has a choice. The merge itself is CDiskMerge's.

#include "tavo/material/DocumentMerge.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QTableWidget;

class CMergeConflictDlg : public QDialog {
  Q_OBJECT

 public:
  // The row choices, in the order of the choice boxes (named cbxSide0, cbxSide1, …).
  enum Side { kUnchosen = 0, kOurs = 1, kTheirs = 2 };

  CMergeConflictDlg(const std::string& path, const std::vector<MergeConflict>& conflicts, QWidget* parent = nullptr);

  // Per conflict, true where the file's side was chosen.
  std::vector<bool> Sides() const;

 private:
  void UpdateOk();

  QTableWidget* m_table = nullptr;
  std::vector<QComboBox*> m_sides;
  QPushButton* m_ok = nullptr;
};
