#pragma once
// The application: reads the command line and runs the editor dialog as its one window.

#include <QApplication>

class CTavoHandler;

class CTavoEditApp : public QApplication {
  Q_OBJECT

 public:
  CTavoEditApp(int& argc, char** argv);

  // Collects the command line, interprets the start values and runs the editor modally; the
  // process ends when it closes.
  int InitInstance(CTavoHandler& handler);

  // True when there is a screen to open a window on (or a platform that needs none).
  static bool HasDisplay();
};
