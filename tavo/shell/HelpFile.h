#pragma once
#include <string>

// Hands the document at `relativePath` (below the program root, backslashes allowed) to the
// desktop's default viewer. Does not wait and reports nothing.
void OpenHelpFile(const std::string& relativePath);
