#pragma once
// Replacing a file so that, whatever fails and whenever the process dies, the file holds either
// its old bytes or the new ones.

#include <string>
#include <string_view>

// Writes the bytes to a temporary file beside `path` (QSaveFile), checks the size written, the
// flush and the commit (which syncs the file and renames it over `path`), then syncs the folder so
// that the rename itself survives a power cut. On failure `error` holds the path and the reason;
// the file at `path` is untouched then, except when only the folder sync failed after the rename.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Flushes the folder entry of `path` (its name after a rename) to the disk; a no-op on systems that
// have no such call.
bool SyncFolderOf(const std::string& path, std::string& error);
