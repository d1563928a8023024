// A process that saves a material file, for the tests that kill it, starve its disk or take its
// rights away.
//   tavo_save_probe save PATH VALUE      sets the root's attribute Stand to VALUE and saves once;
//                                        exit 0 saved, 1 the save failed (reason on stderr),
//                                        2 the file did not open
//   tavo_save_probe loop PATH A B        saves Stand=A, Stand=B, A, ... until it is killed

#include "tavo/outside/QODOM.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char* kAttribute = "Stand";

bool Save(QODOM_ELEMENT root, const char* value)
{
  QODOM_SetString(root, kAttribute, value);
  if (QODOM_SaveDoc(QODOM_GetDocument(root)))
    return true;
  std::cerr << QODOM_LastSaveError() << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc < 4) {
    std::cerr << "usage: tavo_save_probe save PATH VALUE | loop PATH A B\n";
    return 2;
  }
  std::string error;
  const QODOM_ELEMENT root = QODOM_OpenDoc(argv[2], nullptr, error);
  if (!root) {
    std::cerr << error << "\n";
    return 2;
  }
  if (std::strcmp(argv[1], "loop") == 0 && argc == 5) {
    for (;;)
      if (!Save(root, argv[3]) || !Save(root, argv[4]))
        return 1;
  }
  return Save(root, argv[3]) ? 0 : 1;
}
