#pragma once
// Opening the material database for a command.

#include "tavo/cli/Commands.h"
#include "tavo/material/TavoHandler.h"

#include <memory>
#include <string>
#include <vector>

// Opens both files as the editor does, with the locations that the options name. Null (after a
// message on standard error naming the file and the reason) when a file cannot be opened. The
// database stays open until the process ends: the tool leaves without taking it apart (see main).
CTavoHandler* OpenDatabase(const CliOptions& options);
// The same for a command that looks up one object only: the files are read just as far as that
// lookup needs when that is sure to give the same result, and opened as a whole otherwise.
CTavoHandler* OpenDatabaseForObject(const CliOptions& options, const std::vector<std::string>& names);
