#pragma once
// What the commands that take PATH arguments share: the objects the paths name, viewed without
// writing anything, and their output written to standard output or to a file.

#include "tavo/material/ObjectView.h"

#include <optional>
#include <string>
#include <vector>

// Every object each path names (a level: every object below it), in the order given. Nothing,
// after a message on standard error and with the exit status in `status`, when a path is not a
// path (2) or names nothing (1; the message names the first level that does not match).
std::optional<std::vector<ObjectView>> ViewPaths(const CTavoHandler& handler, const std::vector<std::string>& paths,
                                                 const std::string& command, int& status);

// Writes the text to the file ("-": standard output) through an atomic replacement, so a failure
// leaves no partial file; false after a message naming the file and the reason.
bool WriteOutput(const std::string& file, const std::string& text, const std::string& command);
