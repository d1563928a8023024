#pragma once
// The formula language's German messages in the editor's language.

#include <string>

// The message translated through the catalogue: a fixed message as it stands ("Division durch
// Null."), a message with a name or a symbol in it by its pattern ("'%1' nicht definiert"), the
// name put back in. A message the catalogue does not know comes back unchanged.
std::string TranslateFormulaMessage(const std::string& german);
