// tavo compare PATH PATH... [--json|--csv]: objects side by side, values after inheritance.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/cli/PathViews.h"
#include "tavo/material/CompareMatrix.h"

#include <iostream>

void AddCompareCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("compare", "Compare objects side by side (a level: every object below it)");
  auto paths = std::make_shared<std::vector<std::string>>();
  auto json = std::make_shared<bool>(false);
  auto csv = std::make_shared<bool>(false);
  command->add_option("paths", *paths, "KAT/UKAT/NORM/OBJEKT or a level, e.g. Beton/Normalbeton/EC2/C30/37")
      ->required();
  auto* jsonFlag = command->add_flag("--json", *json, "Print every cell with formula, unit, level and file as JSON");
  command->add_flag("--csv", *csv, "Print the values as CSV")->excludes(jsonFlag);
  command->callback([&options, &status, paths, json, csv] {
    const auto handler = OpenDatabase(options);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    const auto views = ViewPaths(*handler, *paths, "compare", status);
    if (!views)
      return;
    const CompareMatrix matrix = BuildCompareMatrix(*views);
    std::cout << (*json ? CompareJson(matrix) : *csv ? CompareCsv(matrix) : CompareText(matrix));
    status = kExitOk;
  });
}
