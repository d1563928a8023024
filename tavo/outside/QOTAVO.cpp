#include "tavo/outside/QOTAVO.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <QStandardPaths>

#include <cstdlib>

namespace {

std::string g_lastError;

std::string FromEnvironment(const char* name, const std::string& fallback)
{
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : fallback;
}

std::string UserDataFolder()
{
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/QOR/tavoEdit";
}

QODOM_ELEMENT Open(const std::string& path, const char* emptyRootTag)
{
  g_lastError.clear();
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(path, emptyRootTag, error);
  if (!root)
    g_lastError = error;
  return root;
}

}  // namespace

std::string QOTAVO_StandardFilePath()
{
  return FromEnvironment("TAVO_STANDARD_FILE", NativePath(ProgramDataFolder() + "\\data\\Materialdatei.xml"));
}

std::string QOTAVO_UserFilePath(int selector)
{
  if (selector == 1)
    return FromEnvironment("TAVO_USER_FILE_64", UserDataFolder() + "/Benutzer-Trestle64.xml");
  return FromEnvironment("TAVO_USER_FILE", UserDataFolder() + "/Benutzer.xml");
}

QODOM_ELEMENT QOTAVO_OpenStandard()
{
  return Open(QOTAVO_StandardFilePath(), nullptr);
}

QODOM_ELEMENT QOTAVO_OpenUser(int selector)
{
  return Open(QOTAVO_UserFilePath(selector), kMaterialRootTag);
}

void QOTAVO_Close(QODOM_ELEMENT root)
{
  QODOM_CloseDoc(root);
}

const std::string& QOTAVO_LastError()
{
  return g_lastError;
}
