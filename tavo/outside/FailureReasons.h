#pragma once
// Messages about reading and writing files end in a reason that the XML parser, the system or
// the document library gives in English ("...:20:146: Error parsing element attribute", "...: No
// space left on device"). Before such a message is shown, each reason known here is replaced by
// the program's own German text for it, passed through the translation library, so that the
// reason speaks the language of the message. Unknown reasons stay as they are.

#include <string>
#include <vector>

std::string VBT_TranslateReasons(const std::string& message);

// The German texts of the known reasons, each once.
std::vector<std::string> VBT_ReasonTexts();
