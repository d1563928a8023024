// tavoEdit: the material editor.

#include "tavo/material/TavoHandler.h"
#include "tavo/tavoEdit/TavoEditApp.h"

#include <cstdio>

int main(int argc, char** argv)
{
  // Without a screen the toolkit would abort; say what to do instead.
  if (!CTavoEditApp::HasDisplay()) {
    std::fprintf(stderr, "tavoEdit needs a display; without one, run it as: xvfb-run -a %s\n", argv[0]);
    return 1;
  }
  // The handler comes first: the start-up log and both material files are open before the
  // command line is read, and formulas take their angle unit from the user's settings.
  CTavoHandler handler;
  // The application object, which reads the command line.
  CTavoEditApp app(argc, argv);
  // The editor runs once as the one window; the process ends when it closes.
  return app.InitInstance(handler);
}
