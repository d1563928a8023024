#pragma once
// Writes a document tree as bytes: into memory, into a digest, or atomically into its file.

#include "tavo/outside/DocumentStore.h"

#include <string>

// The bytes a save writes: UTF-8, the tree as it stands, top-level nodes one per line.
std::string SerializeDocument(const Document& document);
// XXH3-128 over the same bytes, streamed without building them.
CFingerPrint FingerprintDocument(const Document& document);
// Replaces the file atomically; on failure the old file stays and `error` says why.
bool SaveDocumentFile(const Document& document, std::string& error);
