#pragma once
// What a three-way merge needs of the document library: an element's attributes in order, and
// the bytes of the file as the document last knew it (the common ancestor of the document in
// memory and whatever someone else has written to the file since).

#include "tavo/outside/QODOM.h"

#include <string>
#include <utility>
#include <vector>

using QODOM_ATTRIBUTES = std::vector<std::pair<std::string, std::string>>;

// The element's attributes, name and text, in document order; empty for 0.
QODOM_ATTRIBUTES QODOM_GetAttributes(QODOM_ELEMENT element);

// Keeps the bytes of the document's file as its base, provided the file still holds what the
// document was read from or last saved to (checked by size and digest). False, with no base kept,
// when it does not or cannot be read. A file that did not exist and still does not has the empty
// base "". The base costs memory of the file's size: only callers
// that may merge keep one.
bool QODOM_RememberBase(QODOM_DOCUMENT document);
// The bytes kept as the document's base, or null when none is kept.
const std::string* QODOM_GetBase(QODOM_DOCUMENT document);
// Drops the base (when the document closes).
void QODOM_ForgetBase(QODOM_DOCUMENT document);
// The document now includes what the file holds, `bytes` (read from it and merged in): from now
// on QODOM_ChangedOnDisk asks whether the file still holds these bytes, and a kept base becomes
// them. False for 0.
bool QODOM_AdoptDiskBytes(QODOM_DOCUMENT document, const std::string& bytes);
// Reads the whole file at `path`; false with the path and the reason in `error`.
bool QODOM_ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);
