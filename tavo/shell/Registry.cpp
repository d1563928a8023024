#include "tavo/shell/Registry.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QSysInfo>

namespace {

constexpr std::size_t kMaxValueBytes = 2048;

// "Software\Org\App\..." -> organisation "Org", application "App/..."; the leading "Software"
// is the store's own prefix.
bool SplitKeyPath(const std::string& path, QString& organisation, QString& application)
{
  QStringList parts = QString::fromStdString(path).split('\\', Qt::SkipEmptyParts);
  if (!parts.isEmpty() && parts.front().compare("Software", Qt::CaseInsensitive) == 0)
    parts.removeFirst();
  if (parts.size() < 2)
    return false;
  organisation = parts.takeFirst();
  application = parts.join('/');
  return true;
}

}  // namespace

bool IsFileStore(QSettings::Format format)
{
#ifdef _WIN32
  return format != QSettings::NativeFormat && format != QSettings::Registry32Format &&
         format != QSettings::Registry64Format;
#else
  (void)format;
  return true;
#endif
}

bool RegistryKeyExists(const QSettings& settings, bool storeIsFile)
{
  if (storeIsFile)
    return QFileInfo::exists(settings.fileName());
  return !settings.allKeys().isEmpty();
}

CRegistry::CRegistry() = default;

CRegistry::~CRegistry()
{
  Close();
}

const char* CRegistry::NameOfRoot(RegistryRoot root)
{
  switch (root) {
    case RegistryRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegistryRoot::Users: return "HKEY_USERS";
    case RegistryRoot::CurrentUser: return "HKEY_CURRENT_USER";
    case RegistryRoot::PerformanceData: return "HKEY_PERFORMANCE_DATA";
    case RegistryRoot::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case RegistryRoot::DynData: return "HKEY_DYN_DATA";
  }
  return "Unknown";
}

bool CRegistry::Connect(RegistryRoot root, const char* computerName)
{
  const bool named = computerName && *computerName;
  if ((root == RegistryRoot::ClassesRoot || root == RegistryRoot::CurrentUser) && named)
    return Fail(kRegistryInvalidHandle);

  const std::string localName = QSysInfo::machineHostName().toStdString();
  if (named && localName != computerName)
    return Fail(kRegistryBadNetPath);
  if (root != RegistryRoot::CurrentUser && root != RegistryRoot::LocalMachine)
    return Fail(kRegistryInvalidHandle);

  m_root = root;
  m_connected = true;
  m_computerName = named ? computerName : localName;
  m_rootName = NameOfRoot(root);
  m_lastError = kRegistryOk;
  return true;
}

bool CRegistry::Open(const std::string& subKeyPath, unsigned)
{
  m_openKey.reset();
  if (!m_connected)
    return Fail(kRegistryInvalidHandle);

  QString organisation, application;
  if (!SplitKeyPath(subKeyPath, organisation, application))
    return Fail(kRegistryFileNotFound);
  const auto scope = m_root == RegistryRoot::CurrentUser ? QSettings::UserScope : QSettings::SystemScope;
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, scope, organisation, application);
  if (!RegistryKeyExists(*settings, IsFileStore(settings->format())))
    return Fail(kRegistryFileNotFound);

  m_openKey = std::move(settings);
  m_subKeyPath = subKeyPath;
  m_lastError = kRegistryOk;
  return true;
}

bool CRegistry::QueryValue(const std::string& valueName, std::string& text)
{
  if (!m_openKey) {
    text.clear();
    return Fail(kRegistryInvalidHandle);
  }
  const QString key = QString::fromStdString(valueName);
  if (!m_openKey->contains(key)) {
    text.clear();
    return Fail(kRegistryInvalidParameter);
  }
  text = m_openKey->value(key).toString().toStdString();
  if (text.size() > kMaxValueBytes)
    text.resize(kMaxValueBytes);
  m_lastError = kRegistryOk;
  return true;
}

bool CRegistry::Close()
{
  m_openKey.reset();
  if (m_connected) {
    m_connected = false;
    m_computerName.clear();
    m_subKeyPath.clear();
    m_rootName.clear();
  }
  m_lastError = kRegistryOk;
  return true;
}

bool CRegistry::Fail(int error)
{
  m_lastError = error;
  return false;
}
