// tavo: the material database without a window, for scripts, checks and maintainers.

#include "tavo/cli/Commands.h"
#include "tavo/cli/UnknownCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
  CLI::App app{"tavo - the material database of tavoEdit without a window"};
  app.set_help_all_flag("--help-all", "Show help for every command");
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("tavo ") + TAVO_VERSION);

  CliOptions options;
  app.add_option("--standard", options.standardFile, "The standard material file (default: the editor's)");
  app.add_option("--user", options.userFile, "The user material file (default: the editor's)");
  app.add_flag("--trestle64", options.trestle64, "Use the second user file");

  int status = kExitOk;
  AddListCommand(app, options, status);
  AddEvalCommand(app, options, status);
  AddCheckCommand(app, options, status);
  AddShowCommand(app, options, status);
  AddProtocolCommand(app, options, status);
  AddRecalcCommand(app, options, status);
  AddCurveCommand(app, options, status);
  AddFindCommand(app, options, status);
  AddCompareCommand(app, options, status);
  AddExportCommand(app, options, status);
  AddDiffCommand(app, status);
  AddMergeCommand(app, status);
  AddEditCommands(app, options, status);

  if (const auto word = UnknownCommandWord(app, argc, argv)) {
    std::cerr << "tavo: " << UnknownCommandMessage(app, *word) << "\n";
    return kExitUsage;
  }
  try {
    app.name(argc > 0 ? argv[0] : "tavo");
    std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    arguments = ProtectEvalFormula(arguments);
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them last first
    app.parse(arguments);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? kExitOk : kExitUsage;
  }
  // Every save has been committed and its lock released inside the command; what is left to do
  // at exit is taking the documents apart, which at a hundred thousand objects costs more than a
  // tenth of the run. So the output is flushed and the process leaves without it.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}
