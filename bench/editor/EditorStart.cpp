// bench_editor_start: the editor's start as its main() runs it, on the files named by
// TAVO_STANDARD_FILE and TAVO_USER_FILE, up to the first paint of its window; then the process
// leaves at once. A whole-process measurement of it is the start to the first painted window.

#include "tavo/material/TavoHandler.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoEditDlg.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace {

// Leaves the process at the window's first paint, before anything is torn down.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() == QEvent::Paint) {
      std::fflush(stdout);
      std::_Exit(0);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv)
{
  CTavoHandler handler;
  QApplication app(argc, argv);
  CDialogPrompts prompts;
  CTavoEditDlg dialog(handler, prompts, StartValues{});
  dialog.OnInitDialog();
  FirstPaint firstPaint;
  dialog.installEventFilter(&firstPaint);
  dialog.show();
  app.exec();
  std::fprintf(stderr, "bench_editor_start: the window was never painted\n");
  return 1;
}
