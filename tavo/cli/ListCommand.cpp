// tavo list [KAT [UKAT [NORM]]]: the list the editor shows for that level.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"

#include <algorithm>
#include <iostream>

namespace {

// The first of the given names that its level does not hold, as the path up to it; "" when the
// level exists.
std::string MissingLevel(const CTavoHandler& handler, const std::vector<std::string>& names)
{
  std::string path;
  for (std::size_t depth = 0; depth < names.size(); ++depth) {
    const std::vector<std::string> entries =
        handler.ListLevel(std::vector<std::string>(names.begin(), names.begin() + std::ptrdiff_t(depth)));
    path += (depth == 0 ? "" : "/") + names[depth];
    const std::string& name = names[depth];
    const auto holds = [&](const std::string& entry) {
      return std::find(entries.begin(), entries.end(), entry) != entries.end();
    };
    if (!holds(name) && (depth != 2 || !holds(CTavoHandler::NormalizeNormName(name))))
      return path;
  }
  return "";
}

}  // namespace

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
    if (const std::string missing = MissingLevel(*handler, *names); !missing.empty()) {
      std::cerr << "tavo list: no such level: " << missing << "\n";
      status = kExitFailed;
      return;
    }
    for (const std::string& entry : handler->ListLevel(*names))
      std::cout << entry << "\n";
    status = kExitOk;
  });
}
