#include "tavo/tavoEdit/ObjectListModel.h"

#include "tavo/tavoEdit/ProvenanceBadge.h"

// --- construction ---

CObjectListModel::CObjectListModel(QObject* parent)
    : QAbstractListModel(parent), m_standardIcon(FileIcon(false)), m_userIcon(FileIcon(true))
{
}

// --- public operations ---

void CObjectListModel::Reset(std::vector<std::string> names, std::vector<ObjectFile> files)
{
  beginResetModel();
  m_names = std::move(names);
  m_files = std::move(files);
  m_files.resize(m_names.size(), ObjectFile::kNone);
  endResetModel();
}

int CObjectListModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant CObjectListModel::data(const QModelIndex& index, int role) const
{
  if (!index.isValid() || index.row() >= rowCount())
    return {};
  const auto row = static_cast<std::size_t>(index.row());
  const ObjectFile file = m_files[row];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(m_names[row]);
    case Qt::DecorationRole:
      if (file == ObjectFile::kNone)
        return {};
      return file == ObjectFile::kUser ? m_userIcon : m_standardIcon;
    case Qt::ToolTipRole:
      if (file == ObjectFile::kNone)
        return {};
      return QString::fromStdString(FileText(file == ObjectFile::kUser));
    default: return {};
  }
}

bool CObjectListModel::removeRows(int row, int count, const QModelIndex& parent)
{
  if (parent.isValid() || row < 0 || count < 0 || row + count > rowCount())
    return false;
  if (count == 0)
    return true;
  beginRemoveRows(parent, row, row + count - 1);
  m_names.erase(m_names.begin() + row, m_names.begin() + row + count);
  m_files.erase(m_files.begin() + row, m_files.begin() + row + count);
  endRemoveRows();
  return true;
}
