#pragma once
// The commands of the `tavo` tool. Each command file adds its subcommand to the app and
// writes its exit status into `status` when it runs.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

// Exit statuses of the tool.
enum ExitStatus {
  kExitOk = 0,         // the operation succeeded
  kExitFailed = 1,     // the operation failed: no such object, evaluation failed, findings
  kExitUsage = 2,      // the command line is wrong
  kExitFileError = 3,  // a material file could not be opened, read or written
};

// Global options that stand before the command.
struct CliOptions {
  std::string standardFile;  // --standard FILE
  std::string userFile;      // --user FILE
  bool trestle64 = false;    // --trestle64
};

void AddListCommand(CLI::App& app, const CliOptions& options, int& status);
// The arguments of the tool with those of `eval` rearranged so that its formula is never read as
// an option ("-x^2"): eval's own options first, then "--", then the rest as given.
std::vector<std::string> ProtectEvalFormula(const std::vector<std::string>& arguments);

void AddEvalCommand(CLI::App& app, const CliOptions& options, int& status);
void AddCheckCommand(CLI::App& app, const CliOptions& options, int& status);
void AddShowCommand(CLI::App& app, const CliOptions& options, int& status);
void AddProtocolCommand(CLI::App& app, const CliOptions& options, int& status);
void AddRecalcCommand(CLI::App& app, const CliOptions& options, int& status);
void AddCurveCommand(CLI::App& app, const CliOptions& options, int& status);
void AddFindCommand(CLI::App& app, const CliOptions& options, int& status);
void AddCompareCommand(CLI::App& app, const CliOptions& options, int& status);
void AddExportCommand(CLI::App& app, const CliOptions& options, int& status);
// diff and merge work on the files they are given, without the database.
void AddDiffCommand(CLI::App& app, int& status);
void AddMergeCommand(CLI::App& app, int& status);
// set, copy, delete and priority.
void AddEditCommands(CLI::App& app, const CliOptions& options, int& status);
