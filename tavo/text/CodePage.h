#pragma once
// Texts in the single-byte code pages that material files and the protocol use.

#include <string>
#include <string_view>

// The UTF-8 text in code page 1252. A character the code page lacks, and a byte that is not
// valid UTF-8, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// True for the (lowercased) names of the single-byte Latin encodings that are read: windows-1252
// (cp1252) and ISO-8859-1 (latin1, latin-1) and -15.
bool IsSingleByteLatin(const std::string& encoding);
// The text of such an encoding in UTF-8: ISO-8859-15 when `encoding` says so, windows-1252 for
// every other name. A text holding one of the five bytes that windows-1252 leaves undefined is
// read as ISO-8859-1 as a whole, which maps every byte.
std::string LatinToUtf8(std::string_view text, const std::string& encoding);
