#pragma once
#include <string>

// What became of a request to show a help document.
struct HelpOpening {
  std::string path;     // the document's full path
  bool exists = false;  // the document is there
  bool opened = false;  // a launcher took it over
};

// Hands the document at `relativePath` (below the folder of the program's data, backslashes
// allowed) to the desktop's default viewer. Does not wait; tells whether a launcher took it.
HelpOpening OpenHelpFile(const std::string& relativePath);
