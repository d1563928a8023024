#include "tavo/cli/PathViews.h"

#include "tavo/cli/Commands.h"
#include "tavo/material/PathObjects.h"
#include "tavo/outside/AtomicFile.h"

#include <iostream>

std::optional<std::vector<ObjectView>> ViewPaths(const CTavoHandler& handler, const std::vector<std::string>& paths,
                                                 const std::string& command, int& status)
{
  std::vector<ObjectView> views;
  for (const std::string& text : paths) {
    std::string error;
    const std::optional<CMaterialPath> path = CMaterialPath::Parse(text, &error);
    if (!path) {
      std::cerr << "tavo " << command << ": " << error << ": '" << text << "'\n";
      status = kExitUsage;
      return std::nullopt;
    }
    const PathObjects found = ObjectsAtPath(handler, *path);
    if (!found.error.empty() || found.objects.empty()) {
      std::cerr << "tavo " << command << ": " << (found.error.empty() ? "no object below " + path->Text() : found.error)
                << "\n";
      status = kExitFailed;
      return std::nullopt;
    }
    for (const CMaterialPath& object : found.objects)
      views.push_back(ViewObject(handler, object));
  }
  return views;
}

bool WriteOutput(const std::string& file, const std::string& text, const std::string& command)
{
  if (file == "-") {
    std::cout << text << std::flush;
    return true;
  }
  std::string error;
  if (WriteFileAtomically(file, text, error))
    return true;
  std::cerr << "tavo " << command << ": " << error << "\n";
  return false;
}
