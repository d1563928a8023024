#pragma once
// The edits of the editor's grid and buttons for scripts, with the editor's rights and its
// recalculation: setting values or formulas of an object's rows, copying, deleting and moving it
// in priority. Each changes the documents in memory only; saving is the caller's.

#include "tavo/material/MaterialPath.h"
#include "tavo/material/TavoHandler.h"

#include <optional>
#include <string>
#include <vector>

struct Assignment {
  std::string kurzname;
  std::string text;
};

// "KURZNAME=VALUE" split at the first '='; nothing without one or without a name.
std::optional<Assignment> ReadAssignment(const std::string& text);

// What an edit did: `error` says why it was refused (nothing changed then).
struct EditOutcome {
  std::string error;
  bool Refused() const { return !error.empty(); }
};

// Sets, for each assignment, the value (Wert01, a decimal comma read as a point) or with
// `formula` the formula (an empty one makes the row a value again) of the object's row with that
// Kurzname, the first such row as the grid shows them; then recomputes the rows and writes them
// back as the grid does, and looks the object up again as the editor does after storing it.
// The normal mode may set values of the user file's objects only, formulas only the QOR mode.
EditOutcome SetProperties(CTavoHandler& handler, const CMaterialPath& path, const std::vector<Assignment>& assignments,
                          bool formula, bool qorMode);
// Copies the object as the copy dialog does, into the user file in the normal mode, into the
// standard file in the QOR mode (unless `intoUserFile`), with the proposed priority. Refused when
// the object's list already shows `newName`.
EditOutcome CopyObjectAs(CTavoHandler& handler, const CMaterialPath& path, const std::string& newName, bool qorMode,
                         bool intoUserFile);
// Deletes the object; the normal mode may delete the user file's objects only.
EditOutcome DeleteObjectAt(CTavoHandler& handler, const CMaterialPath& path, bool qorMode);
// Sets the object's Prioritaet as the priority field does (the QOR mode only; the text read as
// the field reads it).
EditOutcome SetPriorityAt(CTavoHandler& handler, const CMaterialPath& path, const std::string& priorityText,
                          bool qorMode);
