#pragma once
// The editor's words for changes: the name of each undo step and the lines of the list of
// changes that the closing question shows, in the editor's language.

#include "tavo/material/ChangeReport.h"

#include <string>

// "Werte von C30/37 geändert", "neu berechnet beim Anzeigen von C30/37", ...
std::string ChangeCauseText(ChangeKind kind, const std::string& objectPath);
// What a line of the list says changed: "fck Wert01", "Objekt K hinzugefügt".
std::string ChangeLineText(const ChangeLine& line);
// A text before or after a change; a missing attribute reads "(fehlt)".
std::string ChangeValueText(const std::optional<std::string>& text);
