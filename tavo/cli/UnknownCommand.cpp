#include "tavo/cli/UnknownCommand.h"

#include <algorithm>
#include <numeric>

namespace {

// Levenshtein distance: insertions, deletions and substitutions, each counting one.
std::size_t EditDistance(const std::string& a, const std::string& b)
{
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<std::string> CommandNames(CLI::App& app)
{
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands({}))
    names.push_back(command->get_name());
  return names;
}

}  // namespace

std::optional<std::string> ClosestName(const std::string& name, const std::vector<std::string>& known)
{
  std::optional<std::string> best;
  std::size_t bestDistance = std::max<std::size_t>(2, name.size() / 3) + 1;
  for (const std::string& candidate : known) {
    const std::size_t distance = EditDistance(name, candidate);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  return best;
}

std::optional<std::string> UnknownCommandWord(CLI::App& app, int argc, const char* const* argv)
{
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--standard" || argument == "--user") {
      ++i;  // its value follows
      continue;
    }
    if (argument.empty() || argument[0] == '-')
      continue;
    const std::vector<std::string> names = CommandNames(app);
    if (std::find(names.begin(), names.end(), argument) != names.end())
      return std::nullopt;
    return argument;
  }
  return std::nullopt;
}

std::string UnknownCommandMessage(CLI::App& app, const std::string& word)
{
  std::string message = "unknown command '" + word + "'";
  if (const auto closest = ClosestName(word, CommandNames(app)))
    message += "; did you mean '" + *closest + "'?";
  return message;
}
