#pragma once
// The translation library. Texts are looked up in the catalogue translations/tavo_<lang>.qm
// below the program root folder, the section ("TavoEdit", "CCopytDlg") being the context. The
// language is TAVO_LANG, else the settings-store value "language"; with no catalogue every text
// comes back unchanged.

#include <string>

// The text to show instead of `text`; the text itself when no translation is known.
std::string VBT_Translate(const char* group, const char* module, const char* section, const std::string& text);

// Chooses the language anew ("" = from the environment and the settings store) and loads its
// catalogue from `folder` ("" = translations below the program root). For tests and start-up.
void VBT_SetLanguage(const std::string& language, const std::string& folder = "");

// True when a catalogue is loaded.
bool VBT_HasCatalogue();

// The language of the texts shown: that of the loaded catalogue, else "de" (the program's own).
std::string VBT_Language();

// True when the texts shown are the program's own German ones.
bool VBT_SpeaksGerman();
