#include "tavo/shell/HelpFile.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

void OpenHelpFile(const std::string& relativePath)
{
  const std::string path = NativePath(ProgramRootFolder() + "\\" + relativePath);
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
