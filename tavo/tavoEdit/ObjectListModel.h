#pragma once
// The entries of the object list: the names in list order, each with the icon and the tooltip of
// the file that holds it. They are handed over in one step and turned into texts only when shown,
// so that a code of thousands of objects is listed without building an item per entry.

#include "tavo/material/TavoHandler.h"

#include <QAbstractListModel>
#include <QIcon>

#include <string>
#include <vector>

class CObjectListModel : public QAbstractListModel {
 public:
  using ObjectFile = CTavoHandler::ObjectFile;

  explicit CObjectListModel(QObject* parent);

  // Replaces every entry; `files` holds one file per name.
  void Reset(std::vector<std::string> names, std::vector<ObjectFile> files);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The combo box empties its list through this.
  bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

 private:
  std::vector<std::string> m_names;
  std::vector<ObjectFile> m_files;
  QIcon m_standardIcon, m_userIcon;
};
