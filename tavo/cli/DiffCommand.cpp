// tavo diff A B [--json] | tavo diff --textconv FILE: the structural difference of two material
// files, or one file as lines that a line diff (git's textconv) compares well.

#include "tavo/cli/Commands.h"
#include "tavo/cli/DocumentFiles.h"
#include "tavo/material/DocumentDiff.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

struct DiffOptions {
  std::vector<std::string> files;
  bool json = false;
  bool textconv = false;
};

nlohmann::ordered_json EntryJson(const DiffEntry& entry)
{
  static const char* const kKinds[] = {"added", "removed", "changed", "moved"};
  nlohmann::ordered_json json{{"kind", kKinds[entry.kind]}, {"path", PathText(entry.path)}};
  json["elements"] = nlohmann::ordered_json::array();
  for (const ElementKey& key : entry.path)
    json["elements"].push_back({{"tag", key.tag}, {"name", key.name}, {"occurrence", key.occurrence}});
  if (entry.kind == DiffEntry::kAdded || entry.kind == DiffEntry::kRemoved) {
    json["attributes"] = entry.attributes;
  } else {
    json["attribute"] = entry.attribute;
    json["before"] = entry.before ? nlohmann::ordered_json(*entry.before) : nullptr;
    json["after"] = entry.after ? nlohmann::ordered_json(*entry.after) : nullptr;
  }
  return json;
}

int RunDiff(const DiffOptions& options)
{
  if (options.files.size() != (options.textconv ? 1u : 2u)) {
    std::cerr << "tavo diff: give two files (A B), or one with --textconv\n";
    return kExitUsage;
  }
  OpenedDocuments documents;
  for (const std::string& file : options.files)
    if (!documents.Open(file))
      return kExitFileError;
  if (options.textconv) {
    std::cout << TreeListing(ReadTree(documents[0]));
    return kExitOk;
  }
  const std::vector<DiffEntry> entries = DiffDocuments(ReadTree(documents[0]), ReadTree(documents[1]));
  if (options.json) {
    nlohmann::ordered_json json{{"equal", entries.empty()}, {"changes", nlohmann::ordered_json::array()}};
    for (const DiffEntry& entry : entries)
      json["changes"].push_back(EntryJson(entry));
    std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    std::cout << DiffText(entries);
  }
  return entries.empty() ? kExitOk : kExitFailed;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status)
{
  auto* command =
      app.add_subcommand("diff", "The structural difference of two material files (exit 1 when they differ)");
  auto diff = std::make_shared<DiffOptions>();
  command->add_option("files", diff->files, "A B: the files to compare")->required();
  command->add_flag("--json", diff->json, "Print the changes as JSON");
  command->add_flag("--textconv", diff->textconv, "Print the one FILE as lines for a line diff (git's textconv)");
  command->callback([&status, diff] { status = RunDiff(*diff); });
}
