#include "tavo/tavoEdit/TavoEditApp.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoCmdLineInfo.h"
#include "tavo/tavoEdit/TavoEditDlg.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>

namespace {

// The program icon: a blue tile with the letter T.
QIcon ProgramIcon()
{
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(40, 90, 160));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, "T");
    icon.addPixmap(pixmap);
  }
  return icon;
}

// QApplication keeps a reference to its argument count: it must outlive the application.
int g_toolkitArgc = 1;

}  // namespace

CTavoEditApp::CTavoEditApp(int argc, char** argv)
    : QApplication(g_toolkitArgc, argv), m_arguments(argv + std::min(argc, 1), argv + std::max(argc, 0))
{
  setApplicationName("tavoEdit");
  setWindowIcon(ProgramIcon());
  LoadToolkitCatalogue();
}

void CTavoEditApp::LoadToolkitCatalogue()
{
  auto* catalogue = new QTranslator(this);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (catalogue->load(QString::fromStdString("qtbase_" + VBT_Language()), folder))
    installTranslator(catalogue);
}

bool CTavoEditApp::HasDisplay()
{
#if defined(__linux__) || defined(__FreeBSD__)
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform)
    return true;
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (display && *display) || (wayland && *wayland);
#else
  return true;  // Windows and macOS always have their screen
#endif
}

int CTavoEditApp::InitInstance(CTavoHandler& handler)
{
  CTavoCmdLineInfo commandLine;
  for (const std::string& argument : m_arguments)
    commandLine.ParseParam(argument);

  CDialogPrompts prompts;
  CTavoEditDlg dialog(handler, prompts, commandLine.Interpret());
  dialog.OnInitDialog();
  dialog.exec();
  return 0;
}
