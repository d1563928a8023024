// tavo eval [--strict] FORMULA [NAME=VALUE ...]: evaluates a formula as the material objects do,
// with the angle unit from the settings store.

#include "tavo/cli/Commands.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>

#include "tavo/material/MaterialLibrary.h"
#include "tavo/outside/VBT.h"
#include "tavo/text/NumberText.h"

namespace {

// VALUE must be a whole number text with a decimal point (never a comma), such as -1.5e3.
std::optional<double> ParseValue(std::string_view text)
{
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::vector<std::string> ProtectEvalFormula(const std::vector<std::string>& arguments)
{
  // Skip the global options (two take a value) to the command.
  std::size_t at = 0;
  while (at < arguments.size() && arguments[at].rfind("-", 0) == 0) {
    const std::string& option = arguments[at++];
    if (option == "--standard" || option == "--user")
      ++at;
  }
  if (at >= arguments.size() || arguments[at] != "eval")
    return arguments;

  // The command's own options first, then "--", then the formula and the variables as given.
  std::vector<std::string> options, operands;
  bool afterDashes = false;
  for (std::size_t i = at + 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!afterDashes && argument == "--")
      afterDashes = true;
    else if (!afterDashes && (argument == "--strict" || argument == "-h" || argument == "--help"))
      options.push_back(argument);
    else
      operands.push_back(argument);
  }
  std::vector<std::string> protectedArguments(arguments.begin(),
                                              arguments.begin() + static_cast<std::ptrdiff_t>(at + 1));
  protectedArguments.insert(protectedArguments.end(), options.begin(), options.end());
  protectedArguments.push_back("--");
  protectedArguments.insert(protectedArguments.end(), operands.begin(), operands.end());
  return protectedArguments;
}

void AddEvalCommand(CLI::App& app, const CliOptions&, int& status)
{
  auto* command = app.add_subcommand("eval", "Evaluate a formula with variables");
  auto formula = std::make_shared<std::string>();
  auto assignments = std::make_shared<std::vector<std::string>>();
  auto strict = std::make_shared<bool>(false);
  command->add_flag("--strict", *strict, "Exit 1 when the evaluation reported any warning");
  command->add_option("formula", *formula, "The formula, as typed in the editor (it may start with -)")->required();
  command->add_option("variables", *assignments, "NAME=VALUE: a variable (NAME may be a path with backslashes)");
  command->callback([&status, formula, assignments, strict] {
    std::vector<std::pair<std::string, double>> variables;
    for (const std::string& assignment : *assignments) {
      const std::size_t equals = assignment.rfind('=');
      const std::optional<double> value =
          equals == std::string::npos ? std::nullopt : ParseValue(std::string_view(assignment).substr(equals + 1));
      if (equals == 0 || !value) {
        std::cerr << "tavo eval: not NAME=VALUE with a number VALUE: " << assignment << "\n";
        status = kExitUsage;
        return;
      }
      variables.emplace_back(assignment.substr(0, equals), *value);
    }
    const FormulaOutcome outcome = EvaluateFormula(*formula, variables);
    for (const CParserWarning& warning : outcome.warnings) {
      std::cerr << warning.code << "\t" << (VBT_SpeaksGerman() ? warning.text : warning.english) << "\n";
    }
    if (outcome.evaluated) {
      std::cout << FormatG17(outcome.value) << "\n";
    }
    const bool clean = outcome.evaluated && (!*strict || outcome.warnings.empty());
    status = clean ? kExitOk : kExitFailed;
  });
}
