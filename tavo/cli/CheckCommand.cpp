// tavo check: validates both material files and prints each finding as FILE:LINE: path: message.
// Exit 1 when there are findings other than notes, 3 when a file cannot be opened (reported the same way, with the
// line and column of malformed XML).

#include "tavo/cli/Commands.h"
#include "tavo/material/MaterialCheck.h"
#include "tavo/outside/QOTAVO.h"

#include <cstdlib>
#include <iostream>

namespace {

void Override(const char* variable, const std::string& path)
{
  if (!path.empty())
    setenv(variable, path.c_str(), 1);
}

// An open error reads "PATH:LINE:COLUMN: reason" or "PATH: reason"; as a finding it reads
// "PATH:LINE: (file): column COLUMN: reason".
std::string OpenErrorAsFinding(const std::string& path, const std::string& error)
{
  std::string rest = error.rfind(path + ":", 0) == 0 ? error.substr(path.size() + 1) : error;
  std::string line = "0", column;
  const auto firstColon = rest.find(':');
  const auto secondColon = firstColon == std::string::npos ? std::string::npos : rest.find(':', firstColon + 1);
  const auto digits = [](const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  };
  if (secondColon != std::string::npos && digits(rest.substr(0, firstColon)) &&
      digits(rest.substr(firstColon + 1, secondColon - firstColon - 1))) {
    line = rest.substr(0, firstColon);
    column = rest.substr(firstColon + 1, secondColon - firstColon - 1);
    rest = rest.substr(secondColon + 1);
  }
  if (!rest.empty() && rest[0] == ' ')
    rest.erase(0, 1);
  return path + ":" + line + ": (file): " + (column.empty() ? "" : "column " + column + ": ") +
         "cannot be opened: " + rest;
}

int RunCheck(const CliOptions& options)
{
  Override("TAVO_STANDARD_FILE", options.standardFile);
  Override(options.trestle64 ? "TAVO_USER_FILE_64" : "TAVO_USER_FILE", options.userFile);
  CTavoHandler handler;
  if (options.trestle64) {
    handler.SetTrestle64(true);
    handler.EnsureUserOpen(true);
  }
  bool openFailed = false;
  const std::pair<std::string, std::string> opened[] = {
      {QOTAVO_StandardFilePath(), handler.StandardOpenError()},
      {QOTAVO_UserFilePath(options.trestle64 ? 1 : 0), handler.UserOpenError()}};
  for (const auto& [path, error] : opened)
    if (!error.empty()) {
      std::cout << OpenErrorAsFinding(path, error) << "\n";
      openFailed = true;
    }

  bool faults = false;
  for (const CheckFinding& finding : CMaterialCheck(handler).Run()) {
    std::cout << FormatFinding(finding) << "\n";
    faults = faults || !finding.note;
  }
  if (openFailed)
    return kExitFileError;
  return faults ? kExitFailed : kExitOk;
}

}  // namespace

void AddCheckCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("check", "Validate both material files; one line per finding");
  command->callback([&options, &status] { status = RunCheck(options); });
}
