// tavo export PATH [--format csv|json] [-o FILE]: an object, or every object below a level, as a
// table for other programs.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/cli/PathViews.h"
#include "tavo/material/ObjectExport.h"

void AddExportCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("export", "Write an object, or every object below a level, as CSV or JSON");
  auto path = std::make_shared<std::string>();
  auto format = std::make_shared<std::string>("csv");
  auto file = std::make_shared<std::string>("-");
  command->add_option("path", *path, "KAT/UKAT/NORM/OBJEKT or a level, e.g. Beton/Normalbeton/EC2")->required();
  command->add_option("--format", *format, "csv (the default) or json")->check(CLI::IsMember({"csv", "json"}));
  command->add_option("-o,--output", *file, "The file to write (-: standard output, the default)");
  command->callback([&options, &status, path, format, file] {
    const auto handler = OpenDatabase(options);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    const auto views = ViewPaths(*handler, {*path}, "export", status);
    if (!views)
      return;
    const std::string text = ExportText(*views, *format == "json" ? ExportFormat::kJson : ExportFormat::kCsv);
    status = WriteOutput(*file, text, "export") ? kExitOk : kExitFailed;  // as protocol and curve
  });
}
