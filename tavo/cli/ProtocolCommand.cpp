// tavo protocol FILE: the protocol of the whole database.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/Protocol.h"

#include <iostream>

void AddProtocolCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("protocol", "Write the protocol of the whole database (code page 1252)");
  auto path = std::make_shared<std::string>();
  command->add_option("file", *path, "The protocol file; an existing one is replaced; - writes to standard output")
      ->required();
  command->callback([&options, &status, path] {
    const auto handler = OpenDatabase(options);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    std::string error;
    if (!ExportProtocol(*handler, *path, error)) {
      std::cerr << "tavo: cannot write the protocol " << error << "\n";
      status = kExitFailed;
      return;
    }
    status = kExitOk;
  });
}
