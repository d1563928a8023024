#pragma once
// The material-file library: where the standard and the user material file lie, and opening them.
//
// Locations: the standard file is data/Materialdatei.xml below the program root folder; the
// user files are QOR/tavoEdit/Benutzer.xml (selector 0) and Benutzer-Trestle64.xml (selector 1)
// below the per-user data folder ($XDG_DATA_HOME, default ~/.local/share). The environment
// variables TAVO_STANDARD_FILE, TAVO_USER_FILE and TAVO_USER_FILE_64 override them.

#include "tavo/outside/QODOM.h"

#include <string>

// The root element of the standard material file; 0 when it cannot be opened.
QODOM_ELEMENT QOTAVO_OpenStandard();
// The root element of the user material file chosen by the selector (0 or 1). A missing user
// file opens as an empty document that the first save creates. 0 when it cannot be opened.
QODOM_ELEMENT QOTAVO_OpenUser(int selector);
// Closes the file; the handle is not used afterwards.
void QOTAVO_Close(QODOM_ELEMENT root);

// The path and reason of the last open that failed; "" after a successful open.
const std::string& QOTAVO_LastError();

std::string QOTAVO_StandardFilePath();
std::string QOTAVO_UserFilePath(int selector);

// The tag of the root element of a material file.
inline constexpr const char* kMaterialRootTag = "Materialdatei";
