#pragma once
// The document library: element-level access to the material documents.
//
// Handles are 64-bit, non-zero and never reused within a process; 0 means "none". A handle of a
// deleted element (or of any element below it) or of a closed document is inert: every function
// treats it as 0. Functions given 0 return 0, "" or do nothing, so finds may be chained.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using QODOM_ELEMENT = uint64_t;
using QODOM_DOCUMENT = uint32_t;

// The 16-byte digest of a document's content.
struct CFingerPrint {
  std::array<uint8_t, 16> bytes{};
  bool operator==(const CFingerPrint&) const = default;
};

// First child element with that tag, or 0.
QODOM_ELEMENT QODOM_FindFirstChild(QODOM_ELEMENT element, const char* tag);
// Next sibling element after `element` with that tag, or 0.
QODOM_ELEMENT QODOM_FindNextChild(QODOM_ELEMENT element, const char* tag);
// First child element, of any tag, whose attribute `name` equals `value` exactly, or 0.
QODOM_ELEMENT QODOM_FindFirstChildWithAttr(QODOM_ELEMENT element, const char* name, const char* value);
// Next sibling element after `element`, of any tag, whose attribute equals `value`, or 0.
QODOM_ELEMENT QODOM_FindNextChildWithAttr(QODOM_ELEMENT element, const char* name, const char* value);
// Every child element with that tag, in document order; empty for 0.
std::vector<QODOM_ELEMENT> QODOM_GetChildren(QODOM_ELEMENT element, const char* tag);
// First child element of any tag, or 0.
QODOM_ELEMENT QODOM_GetFirstChildElement(QODOM_ELEMENT element);
// Next sibling element of any tag after `element`, or 0.
QODOM_ELEMENT QODOM_GetNextSiblingElement(QODOM_ELEMENT element);
// Parent element, or 0 for the root element.
QODOM_ELEMENT QODOM_GetParentElement(QODOM_ELEMENT element);
// The element's tag name, "" for 0.
const char* QODOM_GetTagName(QODOM_ELEMENT element);

// The attribute's text; "" (never null) when it is missing. Valid until the element changes.
const char* QODOM_GetString(QODOM_ELEMENT element, const char* name);
// Sets the attribute, creating it when missing.
void QODOM_SetString(QODOM_ELEMENT element, const char* name, const char* text);
// The attribute's leading integer as atoi reads it; 0 when missing or not a number.
int QODOM_GetInt(QODOM_ELEMENT element, const char* name);
// Sets the attribute to the integer's decimal text.
void QODOM_SetInt(QODOM_ELEMENT element, const char* name, int value);
// Removes the attribute.
void QODOM_DeleteAttr(QODOM_ELEMENT element, const char* name);
// True when the element has the attribute (even with an empty text).
bool QODOM_HasAttr(QODOM_ELEMENT element, const char* name);

// Appends a new, empty child element and returns it; 0 when the parent is 0.
QODOM_ELEMENT QODOM_AddChildElement(QODOM_ELEMENT parent, const char* tag);
// Gives `target` the attributes of `source` and a copy of all its descendants.
void QODOM_CloneElementTree(QODOM_ELEMENT source, QODOM_ELEMENT target);
// Removes the element with its subtree; their handles become inert.
void QODOM_DeleteElement(QODOM_ELEMENT element);

// The document that holds the element, or 0.
QODOM_DOCUMENT QODOM_GetDocument(QODOM_ELEMENT element);
// Writes the document atomically to its file, after a backup PATH.bak of the file as it was
// before the first save of this process. Saves of one file are serialised across processes by a
// lock file beside it (PATH.lock). The bytes are the file's text with only what was edited
// written anew, proven to read back before the disk is touched. A file that no longer holds what
// the document was read from or last saved to (checked under the lock, and again just before it
// is replaced) is not overwritten: false, with QODOM_LastSaveFoundChange true. On any failure the
// file keeps its old content, the reason is kept for QODOM_LastSaveError and false is returned.
bool QODOM_SaveDoc(QODOM_DOCUMENT document);
// The same, but overwriting the file even when someone else changed it since it was read (the user
// has agreed). Such a save writes the whole tree anew when the text it was read from is gone.
bool QODOM_SaveDocOverwriting(QODOM_DOCUMENT document);
// True when the last failed save found the file changed by someone else.
bool QODOM_LastSaveFoundChange();
// True when the document's file no longer holds what the document was read from or last saved
// to (other bytes, created or deleted since, or unreadable now); a save would then overwrite
// someone else's change. A document parsed from memory counts as read from a missing file.
// False for 0.
bool QODOM_ChangedOnDisk(QODOM_DOCUMENT document);
// The path and reason of the last failed save; "" after a successful one.
const std::string& QODOM_LastSaveError();
// The document's current fingerprint (all zero for 0).
CFingerPrint QODOM_GetFingerPrint(QODOM_ELEMENT root);

// --- Document lifetime, for the material-file library and tools ---

// Opens the document at `path`. A missing file yields an empty document with a root element
// named `emptyRootTag` when that is given, else 0. On failure returns 0 and sets `error` to the
// path and the reason (for malformed XML with line and column).
QODOM_ELEMENT QODOM_OpenDoc(const std::string& path, const char* emptyRootTag, std::string& error);
// Parses a document from memory; `path` is where a save would go.
QODOM_ELEMENT QODOM_ParseDoc(std::string_view bytes, const std::string& path, std::string& error);
// Closes the document that holds the element; all its handles become inert.
void QODOM_CloseDoc(QODOM_ELEMENT element);
// The document's bytes as a save would write them now.
std::string QODOM_SerializeDoc(QODOM_DOCUMENT document);
// The file a save of the document writes.
std::string QODOM_GetPath(QODOM_DOCUMENT document);
// The line (1-based) at which the element started in the file it was read from; 0 when unknown.
int QODOM_GetLine(QODOM_ELEMENT element);
