#pragma once
#include <memory>
#include <string>

#include <QSettings>

// Whether the key of an opened store exists. A store kept in a file (every format on Linux) has
// it when its file does; the registry (the native format on Windows) keeps no file, and a key
// there exists when it holds values.
bool RegistryKeyExists(const QSettings& settings, bool storeIsFile);

// Whether stores of this format are files.
bool IsFileStore(QSettings::Format format);

// The predefined roots of the settings store.
enum class RegistryRoot {
  LocalMachine,
  ClassesRoot,
  Users,
  CurrentUser,
  PerformanceData,
  CurrentConfig,
  DynData,
};

// Platform error codes that the settings store reports.
enum RegistryError {
  kRegistryOk = 0,
  kRegistryFileNotFound = 2,       // the key does not exist
  kRegistryInvalidHandle = 6,      // no such root here, or nothing open
  kRegistryBadNetPath = 53,        // another computer cannot be reached
  kRegistryInvalidParameter = 87,  // the value does not exist
};

// One connection to the per-user settings store: a root and one open key below it. The current
// user's root is the user scope of QSettings, the local machine's the system scope; a key path
// "Software\Org\App" names the store of organisation Org and application App. Nothing throws:
// operations return false and keep the error code.
class CRegistry {
 public:
  CRegistry();
  ~CRegistry();
  CRegistry(const CRegistry&) = delete;
  CRegistry& operator=(const CRegistry&) = delete;

  // Chooses the root; a computer name is refused for the classes root and the current user.
  bool Connect(RegistryRoot root, const char* computerName = nullptr);
  // Opens the key below the root; an open key is closed first.
  bool Open(const std::string& subKeyPath, unsigned accessRights);
  // Reads a text value of at most 2048 bytes; an absent value empties the text.
  bool QueryValue(const std::string& valueName, std::string& text);
  // Closes the key and the root.
  bool Close();

  int LastError() const { return m_lastError; }
  const std::string& ComputerName() const { return m_computerName; }
  const std::string& SubKeyPath() const { return m_subKeyPath; }
  const std::string& RootName() const { return m_rootName; }

  static const char* NameOfRoot(RegistryRoot root);

 private:
  bool Fail(int error);

  bool m_connected = false;
  RegistryRoot m_root = RegistryRoot::CurrentUser;
  std::unique_ptr<QSettings> m_openKey;
  int m_lastError = kRegistryOk;
  std::string m_computerName;
  std::string m_subKeyPath;
  std::string m_rootName;
};
