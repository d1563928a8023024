#pragma once
#include <chrono>
#include <string>

// The time stamp of a log line: "[dd.mm.yyyy / hh:mm:ss:mmmm]" in UTC, milliseconds in four digits.
std::string FormatLogTimeStamp(std::chrono::system_clock::time_point time);

// Appends "<time stamp> <message>\n" to the log at `path`. Tries to open it up to ten times,
// 20 ms apart; gives up silently.
void WriteStartupLog(const std::string& path, const std::string& message);

// The program's log: startup.log in the program root folder.
std::string StartupLogPath();
