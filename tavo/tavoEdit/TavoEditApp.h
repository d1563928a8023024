#pragma once
// The application: reads the command line and runs the editor dialog as its one window.

#include <QApplication>

#include <string>
#include <vector>

class CTavoHandler;

class CTavoEditApp : public QApplication {
  Q_OBJECT

 public:
  // The toolkit sees the program name only, so it consumes none of its own switches (-platform,
  // -style, ...): every argument reaches the command-line collector.
  CTavoEditApp(int argc, char** argv);

  // Collects the command line, interprets the start values and runs the editor modally; the
  // process ends when it closes.
  int InitInstance(CTavoHandler& handler);

  // True when there is a screen to open a window on (or a platform that needs none).
  static bool HasDisplay();

  // The arguments after the program name, as given.
  const std::vector<std::string>& Arguments() const { return m_arguments; }

 private:
  // The toolkit's own catalogue for the language in use, so that standard buttons and the file
  // dialog speak it too.
  void LoadToolkitCatalogue();

  std::vector<std::string> m_arguments;
};
