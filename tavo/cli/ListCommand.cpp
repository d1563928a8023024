// tavo list [KAT [UKAT [NORM]]]: the list the editor shows for that level.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"

#include <iostream>

void AddListCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("list", "List the entries of a level, one per line in list order");
  auto names = std::make_shared<std::vector<std::string>>();
  command->add_option("names", *names, "KAT [UKAT [NORM]]: the level whose entries are listed")->expected(0, 3);
  command->callback([&options, &status, names] {
    const auto handler = OpenDatabase(options);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    for (const std::string& entry : handler->ListLevel(*names))
      std::cout << entry << "\n";
    status = kExitOk;
  });
}
