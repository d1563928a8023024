#pragma once
// Writes a document tree as bytes: into memory, into a digest, or atomically into its file.

#include "tavo/outside/DocumentStore.h"

#include <string>

// The bytes a save writes: UTF-8, the tree as it stands, top-level nodes one per line.
std::string SerializeDocument(const Document& document);
// XXH3-128 over the same bytes, streamed without building them.
CFingerPrint FingerprintDocument(const Document& document);
// The bytes a save writes, proven before any disk is touched: they must parse again and serialise
// to themselves. False (with the reason in `error`) when the tree would not read back as it is.
bool SerializeVerified(const Document& document, std::string& bytes, std::string& error);
// Saves the document: verified bytes; before the first overwrite of the file in this process a
// copy of what the file holds is kept as PATH.bak (itself written atomically); then the file is
// replaced atomically and the document's disk state updated. On failure the file keeps its old
// content, the disk state stays, and `error` names the path and the reason.
bool SaveDocumentFile(Document& document, std::string& error);
// The file name of the backup that a save keeps of `path`.
std::string BackupPathOf(const std::string& path);
