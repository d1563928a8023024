#pragma once
#include <string>

// The folder above the folder that holds the running executable, without a trailing separator.
// Computed anew on every call; empty when the executable's path cannot be read.
std::string ProgramRootFolder();

// The same cut applied to a given executable path (a path without a separator yields "").
std::string ProgramRootFolderOf(const std::string& executablePath);

// The folder that holds data/, help/ and translations/: share/tavoEdit below the program root in
// an installation (bin/ beside share/), the program root itself in a build.
std::string ProgramDataFolder();
std::string ProgramDataFolderOf(const std::string& rootFolder);

// The full path of the running executable.
std::string ExecutablePath();

// A path the program passes around with backslashes ("help\\Materialeditor.pdf"), turned into
// the platform's form where a file is opened.
std::string NativePath(std::string path);
