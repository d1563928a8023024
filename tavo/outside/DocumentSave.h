#pragma once
// Saving a document into its file, with every other save of that file kept out.

#include "tavo/outside/DocumentStore.h"

#include <functional>
#include <string>

enum class SaveCheck {
  Unchanged,  // refuse when the file no longer holds what the document was read from or saved to
  Overwrite,  // the user has agreed to overwrite someone else's change
};

// Saves the document. Under a lock file beside the file (QLockFile, PATH.lock), which every save of
// the file takes, in this process or another: leftovers of killed saves are removed; the file is
// read once, and those very bytes are checked against the document's disk state and kept as
// PATH.bak before the first save of the file in this process; the verified bytes go to a
// temporary file with the file's mode (and owner and group where permitted); the file is checked
// once more and only then replaced. On failure the file keeps its old content, the disk state
// stays, `error` names the path and the reason, and `changedOnDisk` says whether the file was
// found changed by someone else.
bool SaveDocumentFile(Document& document, SaveCheck check, std::string& error, bool& changedOnDisk);

// The file name of the backup that a save keeps of `path`.
std::string BackupPathOf(const std::string& path);

// Makes the document's original text known when the file still holds it, so that what it writes
// patches that text; without it the tree is written anew.
void LoadOriginalText(Document& document);

// For tests: runs with the file's path between the last check of the file and its replacement, so
// that a test can play another writer there. Empty: nothing runs.
void SetBeforeReplaceHook(std::function<void(const std::string& path)> hook);
