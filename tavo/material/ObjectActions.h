#pragma once
// The changes of the database itself that the editor's buttons make: copying an object under a
// new name, deleting it, setting its priority, and who may make them. They work on the documents
// in memory.

#include "tavo/material/TavoHandler.h"

#include <optional>
#include <string>
#include <vector>

struct ObjectPath {
  std::string kat, ukat, norm, objekt;
};

// Who may change a row or an object: in QOR mode anyone, otherwise only the owner of the user
// file's objects.
constexpr bool CanEdit(bool qorMode, bool inUserFile)
{
  return qorMode || inUserFile;
}

// The priority proposed for a copy: the highest priority of the listed objects plus 1 (0 when
// none has one).
int ProposedCopyPriority(CTavoHandler& handler, const ObjectPath& path, const std::vector<std::string>& objectNames);

struct CopyTarget {
  std::string newName;
  std::string priorityText;  // written as typed; empty removes Prioritaet
  bool intoUserFile = true;
};

// Copies the object: the missing upper levels are created under the target file; a copy in the
// user file gets every property of the object and of the levels above it, a copy in the standard
// file clones the object element. False when the target file is not open (nothing is created).
bool CopyObject(CTavoHandler& handler, const ObjectPath& source, const CopyTarget& target);

// The object may be deleted in this mode: CanEdit for the file it was found in. The lookup maps
// an old steel name in `path` to the current one, as GetObj does.
bool MayDelete(CTavoHandler& handler, ObjectPath& path, bool qorMode);

// Removes the object's element and forgets the cached object.
void DeleteObject(CTavoHandler& handler, const ObjectPath& path);

// The priority typed into the field, read as " %ld " reads it; nothing for a text without a
// number and for -1.
std::optional<int> ReadPriorityText(const std::string& text);

// Sets the object's Prioritaet.
void SetObjectPriority(CTavoHandler& handler, const ObjectPath& path, int priority);
