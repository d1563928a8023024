// A process that saves a material file, for the tests that kill it, starve its disk, take its
// rights away or race it against another writer.
//   tavo_save_probe save PATH VALUE        sets the root's attribute Stand to VALUE and saves once
//   tavo_save_probe loop PATH A B          saves Stand=A, Stand=B, A, ... until it is killed
//   tavo_save_probe save-after PATH VALUE GATE
//                                          opens the file, waits until a line can be read from the
//                                          FIFO GATE, then saves as `save` does
//   tavo_save_probe save-racing PATH VALUE COMMAND
//                                          saves as `save` does, running the shell COMMAND between
//                                          the last check of the file and its replacement
// Exit status: 0 saved, 1 the save failed (reason on stderr), 2 the file did not open, 3 the file
// was found changed by someone else and left as it is.

#include "tavo/outside/DocumentSave.h"
#include "tavo/outside/QODOM.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr const char* kAttribute = "Stand";

int Save(QODOM_ELEMENT root, const char* value)
{
  QODOM_SetString(root, kAttribute, value);
  if (QODOM_SaveDoc(QODOM_GetDocument(root)))
    return 0;
  std::cerr << QODOM_LastSaveError() << "\n";
  return QODOM_LastSaveFoundChange() ? 3 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc < 4) {
    std::cerr << "usage: tavo_save_probe save PATH VALUE | loop PATH A B | save-after PATH VALUE GATE | "
                 "save-racing PATH VALUE COMMAND\n";
    return 2;
  }
  const std::string mode = argv[1];
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(argv[2], nullptr, error);
  if (!root) {
    std::cerr << error << "\n";
    return 2;
  }
  if (mode == "loop" && argc == 5) {
    for (;;)
      if (Save(root, argv[3]) != 0 || Save(root, argv[4]) != 0)
        return 1;
  }
  if (mode == "save-after" && argc == 5) {
    std::string line;
    std::ifstream gate(argv[4]);
    std::getline(gate, line);
  }
  if (mode == "save-racing" && argc == 5) {
    const std::string command = argv[4];
    SetBeforeReplaceHook([command](const std::string&) { (void)std::system(command.c_str()); });
  }
  return Save(root, argv[3]);
}
