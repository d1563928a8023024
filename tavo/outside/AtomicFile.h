#pragma once
// Replacing a file so that, whatever fails and whenever the process dies, the file holds either
// its old bytes or the new ones.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QIODevice;

// The mode, owner and group that a replaced file keeps.
struct FileOwnership {
  std::uint32_t mode = 0644;
  std::int64_t owner = -1;
  std::int64_t group = -1;
};

struct ReplaceOptions {
  // Given to the new file: the mode always, owner and group where the saving user may.
  std::optional<FileOwnership> ownership;
  // Runs when the new bytes are on the disk, just before they replace the file; false cancels the
  // replacement with `error` set.
  std::function<bool(std::string& error)> beforeReplace;
};

// Writes the bytes to a temporary file beside `path` (QSaveFile), checks the size written and the
// sync, then renames it over `path` (a link there is followed, as QSaveFile does) and syncs the
// folder so that the rename itself survives a power cut. On failure `error` holds the path and the
// system's reason; the file at `path` is untouched then, except when only the folder sync failed
// after the rename.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         const ReplaceOptions& options = {});

// The same for a file whose name must not be followed when it is a link (a backup that someone
// may have planted as a link to elsewhere): a new file is written beside it and renamed over the
// name itself.
bool ReplaceWithNewFile(const std::string& path, std::string_view bytes, const std::optional<FileOwnership>& ownership,
                        std::string& error);

// Flushes the folder entry of `path` (its name after a rename) to the disk; a no-op on systems that
// have no such call.
bool SyncFolderOf(const std::string& path, std::string& error);

// Removes what earlier saves of `path` that were killed left beside it: the temporary files
// NAME.XXXXXX (six letters and digits that are not a plain word) that are regular files of the
// saving user. Call it only while no other save of the file can run.
void RemoveStaleTemporaries(const std::string& path);

// The reason of the file's last failure: its own text, or the system's for `systemError` when Qt
// gives none ("Unknown error").
std::string ReasonOf(const QIODevice& file, int systemError);
