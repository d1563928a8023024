#include "tavo/shell/HelpFile.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QUrl>

HelpOpening OpenHelpFile(const std::string& relativePath)
{
  HelpOpening result;
  result.path = NativePath(ProgramDataFolder() + "\\" + relativePath);
  const QString path = QString::fromStdString(result.path);
  result.exists = QFileInfo(path).isFile();
  // A missing document would only make the launcher show an error of its own, if any.
  result.opened = result.exists && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  return result;
}
