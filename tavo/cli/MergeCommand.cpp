// tavo merge BASE OURS THEIRS [-o OUT] [--json]: the three-way merge of material files, usable as
// git's merge driver (`tavo merge %O %A %B -o %A`). OURS is merged in memory and written whole,
// so its layout stays wherever the merge changed nothing.

#include "tavo/cli/Commands.h"
#include "tavo/cli/DocumentFiles.h"
#include "tavo/material/DocumentMerge.h"
#include "tavo/outside/AtomicFile.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

struct MergeOptions {
  std::vector<std::string> files;
  std::string out = "-";
  bool json = false;
};

using Text = std::optional<std::string>;

std::string Quoted(const Text& text)
{
  return text ? "\"" + *text + "\"" : "(none)";
}

nlohmann::ordered_json JsonText(const Text& text)
{
  return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

void Report(const std::vector<MergeConflict>& conflicts)
{
  for (const MergeConflict& conflict : conflicts)
    std::cerr << "tavo merge: conflict: " << PathText(conflict.path) << "  "
              << (conflict.attribute.empty() ? "(element)" : conflict.attribute) << ": base " << Quoted(conflict.base)
              << ", ours " << Quoted(conflict.ours) << ", theirs " << Quoted(conflict.theirs) << "; ours kept\n";
}

void PrintJson(const MergePlan& plan, int recalculated)
{
  nlohmann::ordered_json json{{"clean", plan.conflicts.empty()},
                              {"taken", plan.steps.size()},
                              {"recalculated", recalculated},
                              {"conflicts", nlohmann::ordered_json::array()}};
  for (const MergeConflict& conflict : plan.conflicts)
    json["conflicts"].push_back({{"path", PathText(conflict.path)},
                                 {"attribute", conflict.attribute},
                                 {"base", JsonText(conflict.base)},
                                 {"ours", JsonText(conflict.ours)},
                                 {"theirs", JsonText(conflict.theirs)}});
  std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

int RunMerge(const MergeOptions& options)
{
  if (options.files.size() != 3) {
    std::cerr << "tavo merge: give three files: BASE OURS THEIRS\n";
    return kExitUsage;
  }
  if (options.json && options.out == "-") {
    std::cerr << "tavo merge: --json prints the report; write the merge to a file with -o OUT\n";
    return kExitUsage;
  }
  OpenedDocuments documents;
  for (const std::string& file : options.files)
    if (!documents.Open(file))
      return kExitFileError;
  const TreeElement base = ReadTree(documents[0]), ours = ReadTree(documents[1]), theirs = ReadTree(documents[2]);
  if (const std::string problem = AncestorProblem(base, ours, theirs); !problem.empty()) {
    std::cerr << "tavo merge: cannot merge: " << problem << "\n";
    return kExitFileError;
  }
  const MergePlan plan = PlanMerge(base, ours, theirs);
  const int recalculated = ApplyMerge(plan);
  const std::string bytes = QODOM_SerializeDoc(QODOM_GetDocument(documents[1]));
  std::string error;
  if (options.out == "-")
    std::cout << bytes;
  else if (!WriteFileAtomically(options.out, bytes, error)) {
    std::cerr << "tavo merge: cannot write " << error << "\n";
    return kExitFileError;
  }
  Report(plan.conflicts);
  if (options.json)
    PrintJson(plan, recalculated);
  return plan.conflicts.empty() ? kExitOk : kExitFailed;
}

}  // namespace

void AddMergeCommand(CLI::App& app, int& status)
{
  auto* command = app.add_subcommand("merge", "Three-way merge of material files (exit 1 on conflicts, ours kept)");
  auto merge = std::make_shared<MergeOptions>();
  command->add_option("files", merge->files, "BASE OURS THEIRS")->required();
  command->add_option("-o,--output", merge->out, "Write the merge to OUT (default -: standard output)");
  command->add_flag("--json", merge->json, "Print the conflicts as JSON (needs -o)");
  command->callback([&status, merge] { status = RunMerge(*merge); });
}
