#pragma once
// Writes a document tree as bytes: into memory or into a digest.

#include "tavo/outside/DocumentStore.h"

#include <string>

// The bytes a save writes, UTF-8: the document's original text with only what was edited written
// anew when that text is known, else the tree as it stands, top-level nodes one per line.
std::string SerializeDocument(const Document& document);
// XXH3-128 over the tree written as it stands (not over the original text), streamed without
// building the bytes: equal trees give equal fingerprints.
CFingerPrint FingerprintDocument(const Document& document);
// The bytes a save writes, proven before any disk is touched: they must parse again into the
// same tree. False (with the reason in `error`) when the tree would not read back as it is.
bool SerializeVerified(const Document& document, std::string& bytes, std::string& error);
