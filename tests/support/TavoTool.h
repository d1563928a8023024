#pragma once
// Runs the `tavo` binary of the build (ctest hands its path over in TAVO_CLI).

#include "tests/support/RunProcess.h"
#include "tests/support/TestFiles.h"

#include <cstdlib>

inline ProcessResult Tavo(const std::vector<std::string>& arguments)
{
  return RunProcess(std::getenv("TAVO_CLI"), arguments);
}

// A standard and a user file in a temporary folder (an empty text leaves the file missing), and
// `tavo` run on them.
struct TavoFiles {
  explicit TavoFiles(const std::string& standardText, const std::string& userText = "")
      : standard(folder.Write("std.xml", standardText)), user(folder.Path("user.xml"))
  {
    if (!userText.empty())
      folder.Write("user.xml", userText);
  }
  TestFolder folder;
  std::string standard, user;

  ProcessResult Run(std::vector<std::string> arguments) const
  {
    arguments.insert(arguments.begin(), {"--standard", standard, "--user", user});
    return Tavo(arguments);
  }
};
