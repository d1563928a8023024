#pragma once
// A command name that the tool does not know, told with the closest one it does know.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

// The known name closest to `name` by edit distance, when it is close enough to be a slip of the
// keyboard (at most a third of its letters, at least two, away); nothing otherwise.
std::optional<std::string> ClosestName(const std::string& name, const std::vector<std::string>& known);

// The command word of the command line when it names no command of `app` (the first argument
// that is neither a global option nor its value); nothing when it is known or absent.
std::optional<std::string> UnknownCommandWord(CLI::App& app, int argc, const char* const* argv);

// "unknown command 'lsit'; did you mean 'list'?" (without the question when nothing is close).
std::string UnknownCommandMessage(CLI::App& app, const std::string& word);
