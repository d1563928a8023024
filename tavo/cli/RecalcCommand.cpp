// tavo recalc [--save]: recalculates every object of both files.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/DatabaseRecalc.h"

#include <iostream>

void AddRecalcCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("recalc", "Recalculate every object of both files; print how many changed");
  auto save = std::make_shared<bool>(false);
  command->add_flag("--save", *save, "Save the files that changed");
  command->callback([&options, &status, save] {
    const auto handler = OpenDatabase(options);
    if (!handler) {  // a file that failed to open is never written
      status = kExitFileError;
      return;
    }
    const DatabaseRecalcResult result = RecalculateDatabase(*handler, *save);
    for (const std::string& error : result.errors)
      std::cerr << "tavo: not saved: " << error << "\n";
    std::cout << result.changed << " of " << result.objects << " objects changed\n";
    status = result.errors.empty() ? kExitOk : kExitFileError;
  });
}
