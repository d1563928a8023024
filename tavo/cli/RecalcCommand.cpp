// tavo recalc [--save] [--json]: recalculates every object of both files and prints each value it
// writes back, then how many objects changed.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/DatabaseRecalc.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

// One line per value (PATH, KURZNAME, OLD, NEW), then the count line that scripts read last.
void PrintText(const DatabaseRecalcResult& result)
{
  for (const RecalculatedValue& value : result.values)
    if (value.attribute == "Wert01")
      std::cout << value.path << '\t' << value.kurzname << '\t' << value.before << '\t' << value.after << '\n';
  std::cout << result.changed << " of " << result.objects << " objects changed\n";
}

void PrintJson(const DatabaseRecalcResult& result)
{
  nlohmann::ordered_json values = nlohmann::ordered_json::array();
  for (std::size_t n = 0; n < result.values.size(); ++n) {
    const RecalculatedValue& value = result.values[n];
    values.push_back({{"path", value.path},
                      {"file", result.inUserFile[n] ? "user" : "standard"},
                      {"kurzname", value.kurzname},
                      {"attribute", value.attribute},
                      {"old", value.before},
                      {"new", value.after}});
  }
  const nlohmann::ordered_json json = {{"objects", result.objects}, {"changed", result.changed}, {"values", values}};
  std::cout << json.dump(2) << '\n';
}

}  // namespace

void AddRecalcCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand(
      "recalc", "Recalculate every object of both files; print each value that changes and how many objects changed");
  auto save = std::make_shared<bool>(false);
  auto json = std::make_shared<bool>(false);
  command->add_flag("--save", *save, "Save the files that changed");
  command->add_flag("--json", *json, "Print the values and the counts as JSON");
  command->callback([&options, &status, save, json] {
    const auto handler = OpenDatabase(options);
    if (!handler) {  // a file that failed to open is never written
      status = kExitFileError;
      return;
    }
    const DatabaseRecalcResult result = RecalculateDatabase(*handler, *save);
    for (const std::string& error : result.errors)
      std::cerr << "tavo: not saved: " << error << "\n";
    if (*json)
      PrintJson(result);
    else
      PrintText(result);
    status = result.errors.empty() ? kExitOk : kExitFileError;
  });
}
