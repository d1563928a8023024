#include "tavo/shell/RecentObjects.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace {

constexpr const char* kKey = "recentObjects";

// The store that holds the angle unit and the language too.
class Store : public QSettings {
 public:
  Store() : QSettings(QSettings::NativeFormat, QSettings::UserScope, "QOR", "vantorplan") {}
};

}  // namespace

std::vector<std::string> ReadRecentObjects()
{
  std::vector<std::string> recent;
  const Store store;
  for (const QString& path : store.value(kKey).toStringList())
    recent.push_back(path.toStdString());
  return recent;
}

void RememberRecentObject(const std::string& path)
{
  const std::vector<std::string> recent = WithRecentObject(ReadRecentObjects(), path);
  QStringList list;
  for (const std::string& entry : recent)
    list << QString::fromStdString(entry);
  Store store;
  store.setValue(kKey, list);
}

std::vector<std::string> WithRecentObject(std::vector<std::string> recent, const std::string& path)
{
  recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
  recent.insert(recent.begin(), path);
  if (recent.size() > kRecentObjectCount)
    recent.resize(kRecentObjectCount);
  return recent;
}
