#pragma once
// Texts as a search compares them: without case and without accents, so that "beton", "Beton"
// and "BÉTON" find each other, and "grosse" finds "Größe".

#include <string>
#include <string_view>

// The text in lower case with its accents and other combining marks removed, compatibility
// characters decomposed ("²" as "2") and "ß" as "ss". UTF-8 in and out.
std::string FoldForSearch(std::string_view text);
