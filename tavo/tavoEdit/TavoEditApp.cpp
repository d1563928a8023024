#include "tavo/tavoEdit/TavoEditApp.h"

#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoCmdLineInfo.h"
#include "tavo/tavoEdit/TavoEditDlg.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

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

}  // namespace

CTavoEditApp::CTavoEditApp(int& argc, char** argv) : QApplication(argc, argv)
{
  setApplicationName("tavoEdit");
  setWindowIcon(ProgramIcon());
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
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i)
    commandLine.ParseParam(arguments[i].toStdString());

  CDialogPrompts prompts;
  CTavoEditDlg dialog(handler, prompts, commandLine.Interpret());
  dialog.OnInitDialog();
  dialog.exec();
  return 0;
}
