// tavo set | copy | delete | priority: the editor's edits for scripts, with its rights (--qormode)
// and its recalculation. A file changes only with --save, and a file that someone changed on disk
// since it was read is refused, or with --merge merged with what is on disk.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/DiskMerge.h"
#include "tavo/material/ObjectActions.h"
#include "tavo/material/ScriptedEdits.h"

#include <iostream>

namespace {

enum class Edit { kSet, kCopy, kDelete, kPriority };

struct EditOptions {
  std::string path;
  std::vector<std::string> arguments;  // set: KURZNAME=VALUE...; copy: NEWNAME; priority: N
  bool save = false;
  bool merge = false;
  bool qorMode = false;
  bool formula = false;
  bool intoUserFile = false;
};

// The assignments of `tavo set`; "-" reads one per line from standard input.
bool ReadAssignments(const std::vector<std::string>& arguments, std::vector<Assignment>& assignments)
{
  std::vector<std::string> texts;
  for (const std::string& argument : arguments) {
    if (argument != "-") {
      texts.push_back(argument);
      continue;
    }
    for (std::string line; std::getline(std::cin, line);)
      if (!line.empty())
        texts.push_back(line);
  }
  for (const std::string& text : texts) {
    const std::optional<Assignment> assignment = ReadAssignment(text);
    if (!assignment) {
      std::cerr << "tavo set: not KURZNAME=VALUE: " << text << "\n";
      return false;
    }
    assignments.push_back(*assignment);
  }
  return true;
}

// Saves the file; a file changed on disk is merged with --merge, else refused.
int Save(CTavoHandler& handler, QODOM_ELEMENT file, bool merge)
{
  std::string error;
  auto outcome = handler.SaveUnlessChangedOnDisk(file, nullptr, error);
  if (outcome == CTavoHandler::SaveOutcome::kChangedOnDisk && merge) {
    CDiskMerge diskMerge(file);
    if (!diskMerge.Error().empty()) {
      std::cerr << "tavo: cannot merge: " << diskMerge.Error() << "\n";
      return kExitFileError;
    }
    for (const MergeConflict& conflict : diskMerge.Conflicts())
      std::cerr << "tavo: conflict with the file on disk: " << PathText(conflict.path) << "  " << conflict.attribute
                << ": ours \"" << conflict.ours.value_or("(none)") << "\", on disk \""
                << conflict.theirs.value_or("(none)") << "\"\n";
    if (!diskMerge.Conflicts().empty()) {
      std::cerr << "tavo: not saved: " << QODOM_GetPath(QODOM_GetDocument(file)) << "\n";
      return kExitFileError;
    }
    diskMerge.Apply();
    handler.ForgetCurrentObject();
    std::cout << QODOM_GetPath(QODOM_GetDocument(file)) << ": merged " << diskMerge.TakenChanges()
              << " changes from the file on disk\n";
    outcome = handler.SaveUnlessChangedOnDisk(file, nullptr, error);
  }
  if (outcome != CTavoHandler::SaveOutcome::kSaved) {
    std::cerr << "tavo: not saved: " << error << "\n";
    return kExitFileError;
  }
  std::cout << QODOM_GetPath(QODOM_GetDocument(file)) << ": saved\n";
  return kExitOk;
}

int RunEdit(const CliOptions& cli, const EditOptions& options, Edit edit)
{
  std::string error;
  const std::optional<CMaterialPath> path = CMaterialPath::Parse(options.path, &error);
  if (!path || !path->NamesObject()) {
    std::cerr << "tavo: " << (path ? "the path names no object: KAT/UKAT/NORM/OBJEKT" : error) << "\n";
    return kExitUsage;
  }
  const auto handler = OpenDatabase(cli);
  if (!handler)
    return kExitFileError;
  if (options.merge)
    RememberBases(*handler);
  const QODOM_ELEMENT files[] = {handler->StandardFile(), handler->UserFile()};
  const CFingerPrint before[] = {QODOM_GetFingerPrint(files[0]), QODOM_GetFingerPrint(files[1])};

  EditOutcome outcome;
  std::vector<Assignment> assignments;
  switch (edit) {
    case Edit::kSet:
      if (!ReadAssignments(options.arguments, assignments))
        return kExitUsage;
      outcome = SetProperties(*handler, *path, assignments, options.formula, options.qorMode);
      break;
    case Edit::kCopy:
      outcome = CopyObjectAs(*handler, *path, options.arguments.at(0), options.qorMode, options.intoUserFile);
      break;
    case Edit::kDelete: outcome = DeleteObjectAt(*handler, *path, options.qorMode); break;
    case Edit::kPriority: outcome = SetPriorityAt(*handler, *path, options.arguments.at(0), options.qorMode); break;
  }
  if (outcome.Refused()) {
    std::cerr << "tavo: " << outcome.error << "\n";
    return kExitFailed;
  }
  // The files this mode may write, as the editor saves them; the standard file only in QOR mode.
  int status = kExitOk;
  for (int n = 0; n < 2; ++n) {
    if (!files[n] || !CanEdit(options.qorMode, n == 1) || QODOM_GetFingerPrint(files[n]) == before[n])
      continue;
    if (options.save)
      status = std::max(status, Save(*handler, files[n], options.merge));
    else
      std::cout << QODOM_GetPath(QODOM_GetDocument(files[n])) << ": changed, not saved (--save writes it)\n";
  }
  return status;
}

CLI::App* AddEdit(CLI::App& app, const CliOptions& cli, int& status, Edit edit, const char* name, const char* help)
{
  auto* command = app.add_subcommand(name, help);
  auto options = std::make_shared<EditOptions>();
  command->add_option("path", options->path, "KAT/UKAT/NORM/OBJEKT")->required();
  if (edit == Edit::kSet)
    command->add_option("assignments", options->arguments, "KURZNAME=VALUE ... (-: one per line from standard input)")
        ->required();
  if (edit == Edit::kCopy)
    command->add_option("newname", options->arguments, "The name of the copy")->required()->expected(1);
  if (edit == Edit::kPriority)
    command->add_option("priority", options->arguments, "The new Prioritaet")->required()->expected(1);
  command->add_flag("--save", options->save, "Save the changed file (otherwise nothing is written)");
  command->add_flag("--merge", options->merge,
                    "When the file changed on disk since it was read, merge instead of refusing");
  command->add_flag("--qormode", options->qorMode, "The rights of the QOR mode: the standard file may be changed");
  if (edit == Edit::kSet)
    command->add_flag("--formula", options->formula, "Set formulas instead of values (QOR mode)");
  if (edit == Edit::kCopy)
    command->add_flag("--into-user", options->intoUserFile, "In the QOR mode, copy into the user file");
  command->callback([&cli, &status, options, edit] { status = RunEdit(cli, *options, edit); });
  return command;
}

}  // namespace

void AddEditCommands(CLI::App& app, const CliOptions& options, int& status)
{
  AddEdit(app, options, status, Edit::kSet, "set", "Set values (or formulas) of an object's properties");
  AddEdit(app, options, status, Edit::kCopy, "copy", "Copy an object under a new name");
  AddEdit(app, options, status, Edit::kDelete, "delete", "Delete an object");
  AddEdit(app, options, status, Edit::kPriority, "priority", "Set an object's priority");
}
