// tavo recalc [--save]: recalculates every object of both files.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/Vocabulary.h"

#include <iostream>

using namespace vocabulary;

namespace {

// Every Objekt element of the file, in document order.
std::vector<QODOM_ELEMENT> Objects(QODOM_ELEMENT root)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT kat = QODOM_FindFirstChild(root, kKategorie); kat; kat = QODOM_FindNextChild(kat, kKategorie))
    for (QODOM_ELEMENT ukat = QODOM_FindFirstChild(kat, kUnterkategorie); ukat;
         ukat = QODOM_FindNextChild(ukat, kUnterkategorie))
      for (QODOM_ELEMENT norm = QODOM_FindFirstChild(ukat, kNorm); norm; norm = QODOM_FindNextChild(norm, kNorm))
        for (QODOM_ELEMENT object = QODOM_FindFirstChild(norm, kObjekt); object;
             object = QODOM_FindNextChild(object, kObjekt))
          found.push_back(object);
  return found;
}

CFingerPrint FingerPrint(QODOM_ELEMENT root)
{
  CFingerPrint fingerprint;
  QODOM_GetFingerPrint(root, fingerprint);
  return fingerprint;
}

}  // namespace

void AddRecalcCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("recalc", "Recalculate every object of both files; print how many changed");
  auto save = std::make_shared<bool>(false);
  command->add_flag("--save", *save, "Save the files that changed");
  command->callback([&options, &status, save] {
    const auto handler = OpenDatabase(options);
    if (!handler) {  // a file that failed to open is never written
      status = kExitFileError;
      return;
    }
    int objects = 0;
    int changed = 0;
    status = kExitOk;
    for (QODOM_ELEMENT file : handler->SearchedFiles()) {
      const CFingerPrint before = FingerPrint(file);
      for (QODOM_ELEMENT element : Objects(file)) {
        ++objects;
        const CTavoObj object(element, file == handler->UserFile());  // recalculates
        if (object.wroteBack)
          ++changed;
      }
      if (*save && !(FingerPrint(file) == before) && !handler->SaveFile(file)) {
        std::cerr << "tavo: cannot save " << QODOM_LastSaveError() << "\n";
        status = kExitFileError;
      }
    }
    std::cout << changed << " of " << objects << " objects changed\n";
  });
}
