#pragma once
// Opening the material database for a command.

#include "tavo/cli/Commands.h"
#include "tavo/material/TavoHandler.h"

#include <memory>

// Opens both files as the editor does, with the locations that the options name. Null (after a
// message on standard error naming the file and the reason) when a file cannot be opened.
std::unique_ptr<CTavoHandler> OpenDatabase(const CliOptions& options);
