#include "tavo/cli/Database.h"

#include "tavo/material/ObjectReading.h"

#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

void Override(const char* variable, const std::string& path)
{
  if (!path.empty())
    setenv(variable, path.c_str(), 1);
}

CTavoHandler* KeepUntilTheEnd(std::unique_ptr<CTavoHandler> handler)
{
  static std::vector<std::unique_ptr<CTavoHandler>> kept;
  kept.push_back(std::move(handler));
  return kept.back().get();
}

}  // namespace

CTavoHandler* OpenDatabase(const CliOptions& options)
{
  Override("TAVO_STANDARD_FILE", options.standardFile);
  Override(options.trestle64 ? "TAVO_USER_FILE_64" : "TAVO_USER_FILE", options.userFile);

  // The start-up log belongs to the editor; a script's every call would only lengthen it.
  auto handler = std::make_unique<CTavoHandler>(std::string());
  if (options.trestle64) {
    handler->SetTrestle64(true);
    handler->EnsureUserOpen(true);
  }
  bool opened = true;
  for (const std::string* error : {&handler->StandardOpenError(), &handler->UserOpenError()}) {
    if (!error->empty()) {
      std::cerr << "tavo: cannot open material file " << *error << "\n";
      opened = false;
    }
  }
  if (!opened)
    return nullptr;
  return KeepUntilTheEnd(std::move(handler));
}

CTavoHandler* OpenDatabaseForObject(const CliOptions& options, const std::vector<std::string>& names)
{
  if (!options.trestle64) {
    Override("TAVO_STANDARD_FILE", options.standardFile);
    Override("TAVO_USER_FILE", options.userFile);
    if (auto handler = OpenForOneObject(names[0], names[1], names[2], names[3]))
      return KeepUntilTheEnd(std::move(handler));
  }
  return OpenDatabase(options);
}
