// tavo eval FORMULA [NAME=VALUE ...]: evaluates a formula as the material objects do, with the
// angle unit from the settings store.

#include "tavo/cli/Commands.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>

#include "tavo/formula/AngleUnit.h"
#include "tavo/formula/NumberText.h"
#include "tavo/formula/QORParser.h"
#include "tavo/shell/AngleUnitSetting.h"

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

void AddEvalCommand(CLI::App& app, const CliOptions& /*options*/, int& status)
{
  auto* command =
      app.add_subcommand("eval", "Evaluate a formula with variables (put -- before a formula that starts with -)");
  auto formula = std::make_shared<std::string>();
  auto assignments = std::make_shared<std::vector<std::string>>();
  command->add_option("formula", *formula, "The formula, as typed in the editor")->required();
  command->add_option("variables", *assignments, "NAME=VALUE: a variable (NAME may be a path with backslashes)");
  command->callback([&status, formula, assignments] {
    SetAngleUnitProvider(ReadAngleUnitSetting);
    CQORParser parser;
    for (const std::string& assignment : *assignments) {
      const std::size_t equals = assignment.rfind('=');
      const std::optional<double> value =
          equals == std::string::npos ? std::nullopt : ParseValue(std::string_view(assignment).substr(equals + 1));
      if (equals == 0 || !value) {
        std::cerr << "tavo eval: not NAME=VALUE with a number VALUE: " << assignment << "\n";
        status = kExitUsage;
        return;
      }
      parser.SetVariable(assignment.substr(0, equals), "", "", *value);
    }
    double result = 0;
    const bool evaluated = parser.Evaluate(*formula, result);
    for (const CParserWarning& warning : parser.m_warnings) {
      std::cerr << warning.code << "\t" << warning.text << "\n";
    }
    if (evaluated) {
      std::cout << FormatG17(result) << "\n";
    }
    status = evaluated ? kExitOk : kExitFailed;
  });
}
