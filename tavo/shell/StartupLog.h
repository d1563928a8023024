#pragma once
#include <chrono>
#include <string>

// The time stamp of a log line: "[dd.mm.yyyy / hh:mm:ss:mmmm]" in UTC, milliseconds in four digits.
std::string FormatLogTimeStamp(std::chrono::system_clock::time_point time);

// Appends "<time stamp> <message>\n" to the log at `path`. Tries to open it up to ten times,
// 20 ms apart; gives up silently. An empty path writes nothing.
void WriteStartupLog(const std::string& path, const std::string& message);

// The program's log: startup.log in the program root folder, or, where that folder (or the log in
// it) cannot be written, as in an installation, in $XDG_STATE_HOME/QOR/tavoEdit/ (created).
// "" when neither can be written: the caller then writes no log and never waits for one.
std::string StartupLogPath();
std::string StartupLogPathFor(const std::string& rootFolder, const std::string& stateFolder);

// The per-user folder for the log: $XDG_STATE_HOME (default ~/.local/state) + /QOR/tavoEdit.
std::string StartupLogStateFolder();
