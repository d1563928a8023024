#pragma once
// The objects the user opened last, kept in the settings store (value "recentObjects" of the
// current user's "Software\QOR\vantorplan") so that the next session offers them again.

#include <string>
#include <vector>

inline constexpr std::size_t kRecentObjectCount = 10;

// The remembered objects' paths, the latest first.
std::vector<std::string> ReadRecentObjects();
// Puts the path first, drops an older entry of it and anything beyond kRecentObjectCount.
void RememberRecentObject(const std::string& path);
// The list after remembering `path` in front of `recent`.
std::vector<std::string> WithRecentObject(std::vector<std::string> recent, const std::string& path);
